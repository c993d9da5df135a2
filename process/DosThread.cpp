#include "process/DosThread.h"

#include <string>
#include <utility>

#include "framework/core/ClassInfo.h"
#include "process/DosCommand.h"
#include "process/DosErrors.h"
#include "process/InheritList.h"
#include "process/ProcessTimer.h"

namespace tw {

namespace {

// Large enough that a child writing flat out does not wait on a reader that polls.
constexpr DWORD kPipeSize = 1 << 20;
constexpr size_t kInitialBuffer = 64 * 1024;
// After output, a few quick looks catch the rest of a burst; then a slower beat, since a poll
// is a round trip to the system and a child that reports twice a second needs no more.
constexpr int kShortPausePasses = 10;
constexpr DWORD kLongPauseMs = 30;
constexpr unsigned kReadsPerSample = 32;

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
      buffer_(kInitialBuffer),
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

// The pipe cannot be waited on, so it is polled: 1 ms pauses while output comes, stretching
// to the usual timer period after a while of silence, so that a quiet child costs next to
// no CPU. A stop request or the child's end cuts any pause short. True when the child has
// ended, which saves the next pass from asking.
bool TDosThread::Pause(HANDLE process, int idlePasses) {
    const HANDLE handles[2] = {stopEvent_.Get(), process};
    const DWORD r = ::WaitForMultipleObjects(2, handles, FALSE, idlePasses < kShortPausePasses ? 1 : kLongPauseMs);
    if (r == WAIT_OBJECT_0 + 1) return true;
    return r == WAIT_OBJECT_0 && ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

// Reads everything waiting (the buffer grows to fit and never shrinks), cuts it into lines
// and reports them.
bool TDosThread::ReadWaiting(HANDLE pipe) {
    DWORD waiting = 0;
    if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) || waiting == 0) return false;
    if (waiting > buffer_.size()) buffer_.resize(waiting);
    DWORD got = 0;
    if (!::ReadFile(pipe, buffer_.data(), static_cast<DWORD>(buffer_.size()), &got, nullptr) || got == 0) return false;
    batch_.Clear();
    splitter_.Feed(buffer_.data(), got, collect_, &stop_);
    Deliver(true);
    return true;
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

void TDosThread::ReadUntilEnd() {
    THandle inRead, inWrite, outRead, outWrite;
    MakePipe(inRead, inWrite, 0, "input");
    MakePipe(outRead, outWrite, kPipeSize, "output");
    // Our own ends stay with us.
    ::SetHandleInformation(inWrite.Get(), HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(outRead.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOEXW si{};
    si.StartupInfo.cb = sizeof(si);
    si.StartupInfo.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.StartupInfo.wShowWindow = SW_HIDE;
    si.StartupInfo.hStdInput = inRead.Get();
    si.StartupInfo.hStdOutput = outWrite.Get();
    si.StartupInfo.hStdError = outWrite.Get();  // one stream, interleaved as written
    // Only its own two pipe ends, so that a child started at the same moment by another runner
    // cannot pick up (and keep open) this run's handles.
    TInheritList inherit({inRead.Get(), outWrite.Get()});
    si.lpAttributeList = inherit.Get();

    DWORD flags = settings_.Priority | CREATE_NEW_CONSOLE | CREATE_SUSPENDED;
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
    outWrite.Reset();

    bool terminating = false;
    int idlePasses = 0;
    bool endedInPause = false;
    unsigned readsSinceSample = 0;
    try {
        for (;;) {
            // The child's end is sampled before the pipe is read, so that what it wrote before
            // ending is read before the run ends. While output streams in, sampling now and
            // then is enough; after a pause, the pause has sampled it.
            bool exited = endedInPause;
            if (idlePasses == 0 && ++readsSinceSample >= kReadsPerSample) {
                readsSinceSample = 0;
                exited = ::WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0;
            }
            if (ReadWaiting(outRead.Get())) {
                idlePasses = 0;
                endedInPause = false;
            } else if (!exited) {
                endedInPause = Pause(process.Get(), idlePasses++);
            }
            if (stop_.load() && !terminating) {
                ::TerminateProcess(process.Get(), 0);
                terminating = true;
            }
            if (exited) {
                // A read may return less than was waiting; take the rest before the last line.
                while (!stop_.load() && ReadWaiting(outRead.Get())) {
                }
                DWORD code = 0;
                if (!terminating && ::GetExitCodeProcess(process.Get(), &code)) settings_.Runner->RecordExitCode(code);
                break;
            }
            if (LimitReached()) break;
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
