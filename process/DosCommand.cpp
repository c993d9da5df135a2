#include "process/DosCommand.h"

#include <cstdio>
#include <cstdlib>

#include "process/DosThread.h"
#include "process/ProcessJob.h"
#include "process/ProcessTimer.h"

namespace tw {

const TClassInfo& TDosCommand::StaticClassInfo() {
    static const TClassInfo info{
        "TDosCommand",
        &TComponent::StaticClassInfo(),
        {
            WStrProp<TDosCommand>(
                "CommandLine", [](const TDosCommand& c) { return c.CommandLine(); },
                [](TDosCommand& c, const std::wstring& v) { c.SetCommandLine(v); }),
            BoolProp<TDosCommand>(
                "InputToOutput", [](const TDosCommand& c) { return c.InputToOutput(); },
                [](TDosCommand& c, bool v) { c.SetInputToOutput(v); }),
            IntProp<TDosCommand>(
                "MaxTimeAfterBeginning", [](const TDosCommand& c) { return c.MaxTimeAfterBeginning(); },
                [](TDosCommand& c, int64_t v) { c.SetMaxTimeAfterBeginning(static_cast<int>(v)); }),
            IntProp<TDosCommand>(
                "MaxTimeAfterLastOutput", [](const TDosCommand& c) { return c.MaxTimeAfterLastOutput(); },
                [](TDosCommand& c, int64_t v) { c.SetMaxTimeAfterLastOutput(static_cast<int>(v)); }),
        }};
    return info;
}

namespace {

// A runner freed by its own handler would leave the reader thread, which is still inside that
// handler, going on with the freed runner, its timer and its lines; and the runner's owner
// would lose a component on a thread that is not its own. No clean way on exists, so the
// program ends at once with the reason, in every build, rather than corrupt memory quietly.
[[noreturn]] void RefuseFreeFromOwnHandler() {
    static const char reason[] =
        "TDosCommand freed from its own event handler: a runner may only be freed on the thread that "
        "owns it, after its handlers have returned.\n";
    std::fputs(reason, stderr);
    std::fflush(stderr);
    ::OutputDebugStringA(reason);
    std::abort();
}

}  // namespace

TDosCommand::TDosCommand(TComponent* owner) : TComponent(owner) {}

TDosCommand::~TDosCommand() {
    if (thread_ && thread_->IsCurrentThread()) RefuseFreeFromOwnHandler();
    Stop();
    job_.reset();
}

void TDosCommand::Execute() {
    if (commandLine_.empty()) throw EDosCommand("No Commandline to execute");
    if (thread_ && thread_->IsCurrentThread()) throw EDosCommand("A run cannot be started from its own event handler");
    if (thread_) Stop();
    // The runner owns its timer: the reader thread uses it until Stop, which the runner's
    // destructor guarantees; a timer owned elsewhere could go while a run still reads it.
    if (!timer_) timer_ = new TProcessTimer(this);
    if (!job_) job_ = std::make_unique<TProcessJob>();
    lines_.Clear();
    {
        std::lock_guard<std::mutex> lock(errorLock_);
        lastError_.clear();
    }
    exitCode_.store(kNoExitCode);
    timer_->Start();

    TDosRunSettings settings;
    settings.Runner = this;
    settings.CommandLine = commandLine_;
    settings.Timer = timer_;
    settings.MaxTimeAfterBeginning = maxTimeAfterBeginning_;
    settings.MaxTimeAfterLastOutput = maxTimeAfterLastOutput_;
    settings.OnNewLine = OnNewLine;
    settings.OnTerminated = OnTerminated;
    settings.Priority = priority_;
    settings.Console = console_;
    settings.Job = job_.get();
    try {
        thread_ = std::make_unique<TDosThread>(std::move(settings));
    } catch (...) {
        timer_->Disable();
        throw;
    }
}

void TDosCommand::Stop() {
    if (!thread_) return;
    thread_->RequestStop();
    if (thread_->IsCurrentThread()) return;  // from a handler: the run ends once it returns
    thread_->WaitFor();
    thread_.reset();
}

bool TDosCommand::IsRunning() const { return timer_ && timer_->Enabled(); }

std::string TDosCommand::LastError() const {
    std::lock_guard<std::mutex> lock(errorLock_);
    return lastError_;
}

void TDosCommand::RecordError(const std::string& message) {
    std::lock_guard<std::mutex> lock(errorLock_);
    if (lastError_.empty()) lastError_ = message;  // the first failure is the cause
}

}  // namespace tw
