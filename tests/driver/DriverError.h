// DriverError: a failed driver step, with the message twdriver prints before exiting 1.
#pragma once

#include <string>

namespace tw::driver {

struct DriverError {
    std::wstring message;
};

[[noreturn]] inline void Fail(const std::wstring& message) { throw DriverError{message}; }

}  // namespace tw::driver
