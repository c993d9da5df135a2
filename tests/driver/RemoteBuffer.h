// RemoteBuffer: memory inside another process, for messages whose arguments are pointers that
// the system does not marshal (list-view and tree-view items).
#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/win/Handles.h"

namespace tw::driver {

class RemoteBuffer {
public:
    // Opens the process that owns window and reserves size bytes in it. Throws DriverError.
    RemoteBuffer(HWND window, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    // Address inside the other process, offset bytes from the start.
    void* At(size_t offset) const { return static_cast<char*>(remote_) + offset; }
    void Write(size_t offset, const void* data, size_t size);
    void Read(size_t offset, void* data, size_t size) const;

private:
    THandle process_;
    void* remote_ = nullptr;
    size_t size_ = 0;
};

}  // namespace tw::driver
