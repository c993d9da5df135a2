#include "tools/encoder/ChildProcess.h"

#include "framework/core/ClassInfo.h"
#include "framework/win/Handles.h"
#include "framework/win/SystemError.h"
#include "process/InheritList.h"
#include "tools/encoder/WindowsQuote.h"

#include <windows.h>

namespace tw::tools {

namespace {

// Kernel handles are owned the way the console process runner owns them.
using Handle = tw::THandle;

std::string LastErrorText(const char* what) {
    DWORD code = GetLastError();
    std::string text = tw::SystemErrorText(code);
    return std::string(what) + ": " + (text.empty() ? "error " + std::to_string(code) : text);
}

// An inheritable copy of one of our standard handles, or none when we have none.
void InheritableCopy(DWORD which, Handle* copy) {
    HANDLE own = GetStdHandle(which);
    if (own == nullptr || own == INVALID_HANDLE_VALUE) return;
    HANDLE process = GetCurrentProcess();
    if (!DuplicateHandle(process, own, process, copy->Receive(), 0, TRUE, DUPLICATE_SAME_ACCESS)) copy->Reset();
}

}  // namespace

struct ChildProcess::Impl {
    Handle job;
    Handle process;
    Handle output;
    Handle errors;
    bool finished = false;
    int exitCode = -1;
    DWORD id = 0;
};

ChildProcess::ChildProcess() : impl_(new Impl) {}

ChildProcess::~ChildProcess() {
    if (impl_->process.Get() && !impl_->finished) TerminateProcess(impl_->process.Get(), 1);
    // Closing the job handle kills whatever is left in it.
}

bool ChildProcess::Start(const std::string& program, const std::vector<std::string>& arguments, ChildStderr stderrMode,
                         std::string* error) {
    SECURITY_ATTRIBUTES inherit{};
    inherit.nLength = sizeof inherit;
    inherit.bInheritHandle = TRUE;

    Handle readEnd, writeEnd;
    if (!CreatePipe(readEnd.Receive(), writeEnd.Receive(), &inherit, 0)) {
        if (error) *error = LastErrorText("cannot create a pipe");
        return false;
    }
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    Handle input(
        CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr));
    Handle diagnostics, errorRead;
    if (stderrMode == ChildStderr::Inherit) InheritableCopy(STD_ERROR_HANDLE, &diagnostics);
    if (stderrMode == ChildStderr::Separate) {
        if (!CreatePipe(errorRead.Receive(), diagnostics.Receive(), &inherit, 0)) {
            if (error) *error = LastErrorText("cannot create a pipe");
            return false;
        }
        SetHandleInformation(errorRead.Get(), HANDLE_FLAG_INHERIT, 0);
    }

    // The child dies with us: closing the converter ends the front-end, and with it the job.
    Handle job(CreateJobObjectW(nullptr, nullptr));
    if (job.Get()) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (!SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) job.Reset();
    }

    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = input.Get();
    startup.StartupInfo.hStdOutput = writeEnd.Get();
    startup.StartupInfo.hStdError = stderrMode == ChildStderr::ToPipe ? writeEnd.Get() : diagnostics.Get();
    // The child inherits its standard handles and nothing else of ours: on a system without
    // nested jobs an FFmpeg left behind would otherwise keep our own standard handles, the
    // converter's pipe among them, open.
    TInheritList inheritOnly({input.Get(), writeEnd.Get(), diagnostics.Get()});
    startup.lpAttributeList = inheritOnly.Get();

    std::wstring commandLine = tw::WideFromUtf8(BuildWindowsCommandLine(program, arguments));
    std::wstring application = tw::WideFromUtf8(program);
    DWORD flags = CREATE_SUSPENDED | CREATE_UNICODE_ENVIRONMENT;
    if (startup.lpAttributeList) flags |= EXTENDED_STARTUPINFO_PRESENT;
    // With a console the child shares it. Without one (the converter starts us without) the
    // child would open a visible console window; it needs none, its standard handles are given,
    // so it runs without a console (cheaper than a windowless console of its own).
    DWORD consoleProcess = 0;
    if (GetConsoleProcessList(&consoleProcess, 1) == 0) flags |= DETACHED_PROCESS;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(application.c_str(), &commandLine[0], nullptr, nullptr, inheritOnly.HasHandles(), flags,
                        nullptr, nullptr, &startup.StartupInfo, &info)) {
        if (error) *error = LastErrorText(("cannot start " + program).c_str());
        return false;
    }
    impl_->process = Handle(info.hProcess);
    Handle thread(info.hThread);
    impl_->id = info.dwProcessId;
    // Inside a job that forbids nesting (older systems) the child still runs, only without the
    // guarantee; that is better than not converting at all.
    if (job.Get() && AssignProcessToJobObject(job.Get(), info.hProcess)) impl_->job = std::move(job);
    ResumeThread(thread.Get());

    impl_->output = std::move(readEnd);
    impl_->errors = std::move(errorRead);
    return true;
}

namespace {

// Reads what is waiting, without trusting the end of the pipe alone: under Wine a helper process
// that the child starts (the desktop process) may keep a copy of the child's output handle for
// ever. Once the child has gone and the pipe is drained, that is the end.
size_t ReadPipe(HANDLE pipe, HANDLE process, char* buffer, size_t size) {
    if (!pipe) return 0;
    DWORD want = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
    bool childGone = false;
    for (;;) {
        DWORD waiting = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr))
            return 0;  // broken pipe: every writer has gone
        if (waiting > 0) {
            DWORD got = 0;
            if (!ReadFile(pipe, buffer, waiting < want ? waiting : want, &got, nullptr)) return 0;
            if (got > 0) return got;
            continue;
        }
        if (childGone || want == 0) return 0;
        // Wakes at the child's end at once, else looks into the pipe again a little later.
        childGone = WaitForSingleObject(process, 5) == WAIT_OBJECT_0;
    }
}

}  // namespace

size_t ChildProcess::Read(char* buffer, size_t size) {
    return ReadPipe(impl_->output.Get(), impl_->process.Get(), buffer, size);
}

size_t ChildProcess::ReadError(char* buffer, size_t size) {
    return ReadPipe(impl_->errors.Get(), impl_->process.Get(), buffer, size);
}

int ChildProcess::Wait() {
    if (!impl_->process.Get()) return -1;
    if (!impl_->finished) {
        WaitForSingleObject(impl_->process.Get(), INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(impl_->process.Get(), &code);
        impl_->exitCode = static_cast<int>(code);
        impl_->finished = true;
        impl_->output.Reset();
        impl_->errors.Reset();
    }
    return impl_->exitCode;
}

void ChildProcess::Kill() {
    if (impl_->process.Get() && !impl_->finished) TerminateProcess(impl_->process.Get(), 1);
}

long ChildProcess::Id() const { return static_cast<long>(impl_->id); }

}  // namespace tw::tools
