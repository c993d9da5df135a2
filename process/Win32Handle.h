// THandle: owns one kernel handle (process, thread, pipe end, job) and closes it once.
#pragma once

#include <windows.h>

#include <utility>

namespace tw {

class THandle {
public:
    THandle() = default;
    explicit THandle(HANDLE h) : h_(Valid(h) ? h : nullptr) {}
    ~THandle() { Close(); }
    THandle(THandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    THandle& operator=(THandle&& other) noexcept {
        if (this != &other) {
            Close();
            h_ = std::exchange(other.h_, nullptr);
        }
        return *this;
    }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;

    HANDLE Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    // For out-parameters of API calls; closes what was held before.
    HANDLE* Receive() {
        Close();
        return &h_;
    }
    void Close() {
        if (h_) ::CloseHandle(std::exchange(h_, nullptr));
    }

private:
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    HANDLE h_ = nullptr;
};

}  // namespace tw
