// Exception: the base of every error the program raises; it carries a message text (UTF-8).
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace tw {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// Raised for an index outside a list or collection.
class EListError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace tw
