#include "tests/driver/RemoteBuffer.h"

#include "tests/driver/DriverError.h"

namespace tw::driver {

RemoteBuffer::RemoteBuffer(HWND window, size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_.Reset(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE, pid));
    if (!process_) {
        Fail(L"cannot open the process of the window (error " + std::to_wstring(GetLastError()) + L")");
    }
    remote_ = VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote_ == nullptr) {
        DWORD e = GetLastError();
        process_.Reset();
        Fail(L"cannot reserve memory in the window's process (error " + std::to_wstring(e) + L")");
    }
}

RemoteBuffer::~RemoteBuffer() { VirtualFreeEx(process_.Get(), remote_, 0, MEM_RELEASE); }

void RemoteBuffer::Write(size_t offset, const void* data, size_t size) {
    SIZE_T done = 0;
    if (offset + size > size_ || !WriteProcessMemory(process_.Get(), At(offset), data, size, &done) || done != size) {
        Fail(L"cannot write into the window's process");
    }
}

void RemoteBuffer::Read(size_t offset, void* data, size_t size) const {
    SIZE_T done = 0;
    if (offset + size > size_ || !ReadProcessMemory(process_.Get(), At(offset), data, size, &done) || done != size) {
        Fail(L"cannot read from the window's process");
    }
}

}  // namespace tw::driver
