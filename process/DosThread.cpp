#include "process/DosThread.h"

#include <string>
#include <utility>

#include "framework/core/ClassInfo.h"
#include "process/DosCommand.h"
#include "process/DosErrors.h"
#include "process/InheritList.h"
#include "process/OutputPipe.h"
#include "process/ProcessTimer.h"

namespace tw {

namespace {

// Large enough that a child writing flat out seldom waits on the reader; one read takes
// whatever is waiting, up to all of it.
constexpr DWORD kPipeSize = 1 << 20;
constexpr DWORD kReadSize = kPipeSize;
// While output streams in, the reader never waits, so it asks now and then whether the child
// has ended.
constexpr unsigned kReadsPerSample = 32;
// Once the child has gone, a read under way finishes as soon as the system has passed on what
// the child wrote; one that does not is held open by a process the child left behind.
constexpr DWORD kDrainWaitMs = 100;
// Only when the timer has no tick event to wake a reader with a time limit.
constexpr DWORD kLimitPollMs = 30;

std::string ErrorCodeText(DWORD code) { return " (error " + std::to_string(code) + ")."; }

void MakePipe(THandle& readEnd, THandle& writeEnd, DWORD size, const char* what) {
    SECURITY_ATTRIBUTES sa{};
    sa.nLength = sizeof(sa);
    sa.bInheritHandle = TRUE;  // the default descriptor: only our own account may use the pipe
    if (!::CreatePipe(readEnd.Receive(), writeEnd.Receive(), &sa, size))
        throw EDosCommand(std::string("Could not create the ") + what + " pipe" + ErrorCodeText(::GetLastError()));
}

// Manual reset, so that every later pause sees the request too.
THandle NewStopEvent() {
    THandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!event) throw EDosCommand("Could not create the reader's stop event" + ErrorCodeText(::GetLastError()));
    return event;
}

bool IsMissingProgram(DWORD code) {
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_NAME ||
           code == ERROR_BAD_PATHNAME || code == ERROR_DIRECTORY || code == ERROR_INVALID_DRIVE;
}

}  // namespace

TDosThread::TDosThread(TDosRunSettings settings)
    : settings_(std::move(settings)),
      stopEvent_(NewStopEvent()),
      collect_([this](std::string_view line, TOutputType type) {
          if (type == otEntireLine) batch_.Add(line);
      }),
      thread_([this] { Run(); }) {}

// The runner refuses to be freed from its own handlers, so this never runs on the reader
// thread and always joins it.
TDosThread::~TDosThread() {
    RequestStop();
    WaitFor();
}

void TDosThread::RequestStop() {
    stop_.store(true);
    ::SetEvent(stopEvent_.Get());
}

void TDosThread::WaitFor() {
    if (thread_.joinable() && !IsCurrentThread()) thread_.join();
}

void TDosThread::Run() noexcept {
    TDosCommand* runner = settings_.Runner;
    try {
        ReadUntilEnd();
    } catch (const std::exception& e) {
        runner->RecordError(e.what());
    } catch (...) {
        runner->RecordError("The output reader failed.");
    }
    settings_.Timer->Disable();
    if (!settings_.OnTerminated) return;
    try {
        settings_.OnTerminated(runner);
    } catch (const std::exception& e) {
        runner->RecordError(e.what());
    } catch (...) {
        runner->RecordError("The termination handler failed.");
    }
}

bool TDosThread::LimitReached() const {
    const TProcessTimer& timer = *settings_.Timer;
    return (settings_.MaxTimeAfterBeginning > 0 && timer.SecondsSinceStart.load() > settings_.MaxTimeAfterBeginning) ||
           (settings_.MaxTimeAfterLastOutput > 0 && timer.SecondsSinceOutput.load() > settings_.MaxTimeAfterLastOutput);
}

void TDosThread::Take(const TOutputPipe& pipe) {
    if (pipe.Size() == 0) return;
    batch_.Clear();
    splitter_.Feed(pipe.Data(), pipe.Size(), collect_, &stop_);
    Deliver(true);
}

// The lines of one read join Lines under one lock; then each is reported in order, then
// the unfinished rest.
void TDosThread::Deliver(bool reportUnfinished) {
    TDosCommand* runner = settings_.Runner;
    if (batch_.Count() > 0) {
        settings_.Timer->SecondsSinceOutput.store(0);
        runner->AppendLines(batch_);
    }
    const TNewLineEvent& onNewLine = settings_.OnNewLine;
    if (!onNewLine) return;
    for (size_t i = 0; i < batch_.Count(); ++i) {
        eventLine_.assign(batch_.Data(i), batch_.Length(i));
        onNewLine(runner, eventLine_, otEntireLine);
    }
    if (reportUnfinished && !stop_.load() && !splitter_.Pending().empty())
        onNewLine(runner, splitter_.Pending(), otBeginningOfLine);
}

// The reader sleeps until output arrives, the child ends, a stop is asked for or (with a time
// limit) the timer ticks: a quiet child costs no CPU, and a line is seen the moment it comes.
bool TDosThread::ReadWhileRunning(TOutputPipe& pipe, HANDLE process) {
    const bool limited = settings_.MaxTimeAfterBeginning > 0 || settings_.MaxTimeAfterLastOutput > 0;
    const HANDLE tick = limited ? settings_.Timer->TickEvent() : nullptr;
    unsigned readsSinceSample = 0;
    while (!stop_.load()) {
        const TOutputPipe::TRead read = pipe.Next();
        if (read == TOutputPipe::TRead::Data) {
            Take(pipe);
            if (++readsSinceSample >= kReadsPerSample) {
                readsSinceSample = 0;
                if (::WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return true;
            }
            if (LimitReached()) return false;
            continue;
        }
        // Earlier handles win a tie: output is taken before the child's end is acted on.
        HANDLE handles[4];
        DWORD count = 0;
        handles[count++] = stopEvent_.Get();
        if (read == TOutputPipe::TRead::Pending) handles[count++] = pipe.ReadEvent();
        const DWORD processIndex = count;
        handles[count++] = process;
        if (tick) handles[count++] = tick;
        const DWORD timeout = limited && !tick ? kLimitPollMs : INFINITE;
        const DWORD r = ::WaitForMultipleObjects(count, handles, FALSE, timeout);
        if (r == WAIT_FAILED) throw EDosCommand("The output reader could not wait" + ErrorCodeText(::GetLastError()));
        if (r == WAIT_OBJECT_0 + processIndex) return true;
        if (LimitReached()) return false;
    }
    return false;
}

// What the child wrote before it ended is in the pipe or on its way: take it all.
void TDosThread::DrainAfterExit(TOutputPipe& pipe) {
    while (!stop_.load()) {
        const TOutputPipe::TRead read = pipe.Next();
        if (read == TOutputPipe::TRead::Ended) return;
        if (read == TOutputPipe::TRead::Data) {
            Take(pipe);
            continue;
        }
        if (::WaitForSingleObject(pipe.ReadEvent(), kDrainWaitMs) == WAIT_OBJECT_0) continue;
        if (pipe.CancelRead()) Take(pipe);
        return;
    }
}

void TDosThread::ReadUntilEnd() {
    THandle inRead, inWrite;
    MakePipe(inRead, inWrite, 0, "input");
    TOutputPipe output(kPipeSize, kReadSize);
    // Our own end stays with us.
    ::SetHandleInformation(inWrite.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOEXW si{};
    si.StartupInfo.cb = sizeof(si);
    si.StartupInfo.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.StartupInfo.wShowWindow = SW_HIDE;
    si.StartupInfo.hStdInput = inRead.Get();
    si.StartupInfo.hStdOutput = output.ChildEnd();
    si.StartupInfo.hStdError = output.ChildEnd();  // one stream, interleaved as written
    // Only its own two pipe ends, so that a child started at the same moment by another runner
    // cannot pick up (and keep open) this run's handles.
    TInheritList inherit({inRead.Get(), output.ChildEnd()});
    si.lpAttributeList = inherit.Get();

    // A console of its own without a window: the console host then makes no window at all,
    // which here costs a launch far less than a new console kept hidden. A child that needs no
    // console goes without one and without its host. The show state stays hidden for a child
    // that opens windows of its own.
    const DWORD console = settings_.Console == ccNone ? DETACHED_PROCESS : CREATE_NO_WINDOW;
    DWORD flags = settings_.Priority | console | CREATE_SUSPENDED;
    if (si.lpAttributeList) flags |= EXTENDED_STARTUPINFO_PRESENT;
    std::vector<wchar_t> commandLine(settings_.CommandLine.begin(), settings_.CommandLine.end());
    commandLine.push_back(L'\0');  // CreateProcessW may write into it
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr, nullptr, &si.StartupInfo,
                          &pi)) {
        const DWORD code = ::GetLastError();
        const std::string command = Utf8FromWide(settings_.CommandLine);
        if (IsMissingProgram(code)) throw TCreateProcessError(command + " doesn't exist.");
        throw TCreateProcessError(command + " could not be started" + ErrorCodeText(code));
    }
    THandle process(pi.hProcess), mainThread(pi.hThread);
    // Suspended until it is in the job, so that nothing it starts escapes the job either.
    if (settings_.Job) settings_.Job->Adopt(process.Get());
    ::ResumeThread(mainThread.Get());
    // Only the child holds its ends now; the input pipe stays open but nothing is written.
    inRead.Reset();
    output.CloseChildEnd();

    try {
        if (ReadWhileRunning(output, process.Get())) {
            DrainAfterExit(output);
            DWORD code = 0;
            if (!stop_.load() && ::GetExitCodeProcess(process.Get(), &code)) settings_.Runner->RecordExitCode(code);
        } else if (stop_.load()) {
            ::TerminateProcess(process.Get(), 0);
            ::WaitForSingleObject(process.Get(), INFINITE);
        }
        // The unfinished rest becomes the last complete line.
        batch_.Clear();
        splitter_.Finish(collect_);
        Deliver(false);
    } catch (...) {
        // Nobody reads the child's output any more; it would fill the pipe and hang.
        if (::WaitForSingleObject(process.Get(), 0) != WAIT_OBJECT_0) ::TerminateProcess(process.Get(), 1);
        throw;
    }
}

}  // namespace tw
