// TDosThread: the reader thread of one run; it owns the child process and its pipes.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "framework/win/Handles.h"
#include "process/ChildConsole.h"
#include "process/LineSplitter.h"
#include "process/LineStore.h"
#include "process/OutputType.h"
#include "process/ProcessJob.h"

namespace tw {

class TDosCommand;
class TOutputPipe;
class TProcessTimer;

// What a run needs, copied when the run starts so that later changes to the runner do not
// reach a run in progress.
struct TDosRunSettings {
    TDosCommand* Runner = nullptr;  // the events' sender; receives lines and errors
    std::wstring CommandLine;
    TProcessTimer* Timer = nullptr;
    int MaxTimeAfterBeginning = 0;
    int MaxTimeAfterLastOutput = 0;
    TNewLineEvent OnNewLine;
    TNotifyEvent OnTerminated;
    unsigned Priority = 0x20;
    TChildConsole Console = ccOwn;
    const TProcessJob* Job = nullptr;  // owned by the runner, outlives the thread
};

// Starts running on construction. Nothing thrown inside leaves the thread: errors go to the
// runner's LastError and the run ends as usual (timer disabled, OnTerminated raised once).
class TDosThread {
public:
    explicit TDosThread(TDosRunSettings settings);
    ~TDosThread();
    TDosThread(const TDosThread&) = delete;
    TDosThread& operator=(const TDosThread&) = delete;

    void RequestStop();
    void WaitFor();
    bool IsCurrentThread() const { return std::this_thread::get_id() == thread_.get_id(); }

private:
    void Run() noexcept;
    void ReadUntilEnd();
    // Reads until the child ends (true), a time limit is reached or a stop is asked for.
    bool ReadWhileRunning(TOutputPipe& pipe, HANDLE process);
    void DrainAfterExit(TOutputPipe& pipe);
    void Take(const TOutputPipe& pipe);
    void Deliver(bool reportUnfinished);
    bool LimitReached() const;

    TDosRunSettings settings_;
    std::atomic<bool> stop_{false};
    THandle stopEvent_;  // set with stop_, so that a wait for output ends at once
    TLineSplitter splitter_;
    TLineSplitter::TSink collect_;  // puts the complete lines of a read into batch_
    TLineBatch batch_;
    std::string eventLine_;
    std::thread thread_;  // last: starts after everything above is ready
};

}  // namespace tw
