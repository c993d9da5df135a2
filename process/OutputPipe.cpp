#include "process/OutputPipe.h"

#include <atomic>
#include <string>

#include "process/DosErrors.h"

namespace tw {

namespace {

[[noreturn]] void Fail(const char* what) {
    const DWORD code = ::GetLastError();
    throw EDosCommand(std::string("Could not create the output pipe's ") + what + " (error " + std::to_string(code) +
                      ").");
}

// This process and a count of its runs: no two runs, here or anywhere else, share a name.
std::wstring NewPipeName() {
    static std::atomic<unsigned long> runs{0};
    return L"\\\\.\\pipe\\TarnwickOutput-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++runs);
}

}  // namespace

TOutputPipe::TOutputPipe(DWORD pipeSize, DWORD readSize) : buffer_(readSize) {
    const std::wstring name = NewPipeName();
    readEnd_.Reset(::CreateNamedPipeW(
        name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 0, pipeSize, 0, nullptr));
    if (!readEnd_) Fail("read end");
    SECURITY_ATTRIBUTES sa{};
    sa.nLength = sizeof(sa);
    sa.bInheritHandle = TRUE;  // the default descriptor: only our own account may use the pipe
    // The access an anonymous pipe's write end has: some runtimes ask their output's attributes.
    childEnd_.Reset(::CreateFileW(name.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES, 0, &sa, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!childEnd_) Fail("write end");
    readEvent_.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!readEvent_) Fail("read event");
    overlapped_.hEvent = readEvent_.Get();
    // The child's end is connected already; this only confirms it.
    if (!::ConnectNamedPipe(readEnd_.Get(), &overlapped_)) {
        const DWORD code = ::GetLastError();
        if (code == ERROR_IO_PENDING) {
            ::CancelIoEx(readEnd_.Get(), &overlapped_);
            DWORD ignored = 0;
            ::GetOverlappedResult(readEnd_.Get(), &overlapped_, &ignored, TRUE);
            ::SetLastError(code);
            Fail("connection");
        }
        if (code != ERROR_PIPE_CONNECTED) Fail("connection");
    }
}

TOutputPipe::~TOutputPipe() { CancelRead(); }

TOutputPipe::TRead TOutputPipe::Next() {
    if (ended_) return TRead::Ended;
    if (pending_) return Collect();
    got_ = 0;
    pending_ = true;
    if (!::ReadFile(readEnd_.Get(), buffer_.data(), static_cast<DWORD>(buffer_.size()), nullptr, &overlapped_) &&
        ::GetLastError() != ERROR_IO_PENDING) {
        pending_ = false;
        ended_ = true;  // broken (every writer gone) or failed: nothing more can be read either way
        return TRead::Ended;
    }
    return Collect();
}

// The result is asked for even when the read finished at once, as its count lives there.
TOutputPipe::TRead TOutputPipe::Collect() {
    DWORD got = 0;
    if (::GetOverlappedResult(readEnd_.Get(), &overlapped_, &got, FALSE)) {
        pending_ = false;
        got_ = got;
        return TRead::Data;
    }
    if (::GetLastError() == ERROR_IO_INCOMPLETE) return TRead::Pending;
    pending_ = false;
    ended_ = true;
    return TRead::Ended;
}

bool TOutputPipe::CancelRead() {
    if (!pending_) return false;
    ::CancelIoEx(readEnd_.Get(), &overlapped_);
    DWORD got = 0;
    const BOOL finished = ::GetOverlappedResult(readEnd_.Get(), &overlapped_, &got, TRUE);
    pending_ = false;
    got_ = finished ? got : 0;
    return finished && got > 0;
}

}  // namespace tw
