// TDosCommand: runs a console command line as a hidden child and captures its output as lines.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "framework/core/Component.h"
#include "framework/core/StringList.h"
#include "process/ChildConsole.h"
#include "process/DosErrors.h"
#include "process/LineStore.h"
#include "process/OutputType.h"

namespace tw {

class TDosThread;
class TProcessJob;
class TProcessTimer;

// Execute, Stop and the destructor belong to the UI thread that owns the timer; IsRunning,
// Lines and LastError may be read from any thread.
// OnNewLine and OnTerminated run on the reader thread. A handler must hand work to the UI
// thread by posting (PostMessageW), never by a synchronous call into it (SendMessageW and the
// like): Stop waits on the UI thread for the reader, so such a call would never return.
// A handler must not call Stop or Execute either: there Stop only asks the run to end, and
// Execute raises EDosCommand. Freeing the runner (or its owner) from a handler ends the
// program at once with the reason, since the reader would go on inside a freed runner.
class TDosCommand : public TComponent {
    TW_CLASS_INFO()
public:
    explicit TDosCommand(TComponent* owner);
    // Stops a run still going; the child and anything it started are ended with the runner.
    // Never from the runner's own handlers (see above).
    ~TDosCommand() override;

    // Program path first, exactly as handed to CreateProcessW.
    const std::wstring& CommandLine() const { return commandLine_; }
    void SetCommandLine(std::wstring commandLine) { commandLine_ = std::move(commandLine); }

    TNewLineEvent OnNewLine;
    TNotifyEvent OnTerminated;

    // Nothing is ever sent to the child, so this has no effect; kept as a stored value.
    bool InputToOutput() const { return inputToOutput_; }
    void SetInputToOutput(bool value) { inputToOutput_ = value; }

    // Seconds; 0 or less means no limit. Reaching a limit ends the run, not the child.
    int MaxTimeAfterBeginning() const { return maxTimeAfterBeginning_; }
    void SetMaxTimeAfterBeginning(int seconds) { maxTimeAfterBeginning_ = seconds; }
    int MaxTimeAfterLastOutput() const { return maxTimeAfterLastOutput_; }
    void SetMaxTimeAfterLastOutput(int seconds) { maxTimeAfterLastOutput_ = seconds; }

    // Process priority class given at creation.
    unsigned Priority() const { return priority_; }

    TChildConsole Console() const { return console_; }
    void SetConsole(TChildConsole console) { console_ = console; }

    // Starts a run of CommandLine; EDosCommand "No Commandline to execute" when it is empty.
    // A previous run not yet stopped is stopped first.
    void Execute();
    // Ends the run if it is still going (the child is ended) and returns after OnTerminated.
    void Stop();
    // True from Execute until the reader has closed everything, just before OnTerminated.
    bool IsRunning() const;

    // Snapshots of the complete lines of the current or last run, safe while a run goes on.
    TStringList Lines() const { return lines_.ToStringList(); }
    int LineCount() const { return lines_.Count(); }
    std::string Line(int index) const { return lines_.Line(index); }
    // Every line followed by CR LF.
    std::string LinesText() const { return lines_.Text(); }

    // Why the last run failed (no start, reader failure, a handler raised); empty otherwise.
    // A failed run still ends normally: IsRunning goes false and OnTerminated is raised.
    std::string LastError() const;
    // The child's exit code once it has ended by itself; kNoExitCode while a run goes, after a
    // failed start, a stop or a time limit (nobody knows what the child would have said).
    static constexpr long long kNoExitCode = -(1LL << 40);
    long long ExitCode() const { return exitCode_.load(); }

    // Created by the first Execute and reused; owned by this runner.
    TProcessTimer* Timer() const { return timer_; }

private:
    friend class TDosThread;
    void AppendLines(const TLineBatch& batch) { lines_.Add(batch); }
    void RecordError(const std::string& message);
    void RecordExitCode(unsigned long code) { exitCode_.store(static_cast<long long>(code)); }

    std::wstring commandLine_;
    bool inputToOutput_ = false;
    int maxTimeAfterBeginning_ = 0;
    int maxTimeAfterLastOutput_ = 0;
    unsigned priority_ = 0x20;
    TChildConsole console_ = ccOwn;

    TLineStore lines_;
    mutable std::mutex errorLock_;
    std::string lastError_;
    std::atomic<long long> exitCode_{kNoExitCode};

    TProcessTimer* timer_ = nullptr;
    std::unique_ptr<TProcessJob> job_;
    std::unique_ptr<TDosThread> thread_;
};

}  // namespace tw
