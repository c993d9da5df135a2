// ChildProcess: a started program whose standard output is read through a pipe and that dies with us.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace tw::tools {

enum class ChildStderr {
    Inherit,   // the child's diagnostics go straight to our own standard error
    ToPipe,    // merged into the pipe we read
    Separate,  // a pipe of its own, read with ReadError (from another thread than Read)
};

class ChildProcess {
public:
    ChildProcess();
    ~ChildProcess();  // a child still running is killed
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts `program` (a full path) with `arguments` (UTF-8, without the program). Its standard
    // input is empty. Returns false with a reason in `error` when it cannot be started.
    bool Start(const std::string& program, const std::vector<std::string>& arguments, ChildStderr stderrMode,
               std::string* error);

    // Reads what the child wrote; 0 once it has closed its output.
    size_t Read(char* buffer, size_t size);

    // Reads the child's diagnostics in the Separate mode; 0 once it has closed them.
    size_t ReadError(char* buffer, size_t size);

    // Waits for the end of the child (read its output to the end first, or a full pipe blocks it):
    // its exit code, or 128 plus the signal that killed it.
    int Wait();

    // Ends the child at once (it is still to be waited for).
    void Kill();

    // The system's process id, for diagnostics and tests.
    long Id() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tw::tools
