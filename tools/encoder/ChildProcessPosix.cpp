#include "tools/encoder/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

#include <cerrno>
#include <cstring>

namespace tw::tools {

namespace {

class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { Reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    int Release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void Reset(int fd = -1) {
        if (fd_ >= 0) close(fd_);
        fd_ = fd;
    }

private:
    int fd_ = -1;
};

bool MakePipe(Fd* readEnd, Fd* writeEnd) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return false;
    readEnd->Reset(fds[0]);
    writeEnd->Reset(fds[1]);
    return true;
}

}  // namespace

struct ChildProcess::Impl {
    pid_t pid = -1;
    bool reaped = false;
    int status = 0;
    Fd output;
    Fd errors;
};

namespace {

size_t ReadFd(int fd, char* buffer, size_t size) {
    if (fd < 0) return 0;
    for (;;) {
        ssize_t got = read(fd, buffer, size);
        if (got >= 0) return static_cast<size_t>(got);
        if (errno != EINTR) return 0;
    }
}

}  // namespace

ChildProcess::ChildProcess() : impl_(new Impl) {}

ChildProcess::~ChildProcess() {
    if (impl_->pid > 0 && !impl_->reaped) {
        kill(impl_->pid, SIGKILL);
        Wait();
    }
}

bool ChildProcess::Start(const std::string& program, const std::vector<std::string>& arguments, ChildStderr stderrMode,
                         std::string* error) {
    Fd outRead, outWrite, errRead, errWrite, failRead, failWrite;
    bool separate = stderrMode == ChildStderr::Separate;
    if (!MakePipe(&outRead, &outWrite) || !MakePipe(&failRead, &failWrite) ||
        (separate && !MakePipe(&errRead, &errWrite))) {
        if (error) *error = std::string("cannot create a pipe: ") + std::strerror(errno);
        return false;
    }
    Fd nullInput(open("/dev/null", O_RDONLY | O_CLOEXEC));

    // Everything the child needs is prepared before fork: after it only async-signal-safe calls.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t parent = getpid();

    pid_t pid = fork();
    if (pid < 0) {
        if (error) *error = std::string("cannot start a process: ") + std::strerror(errno);
        return false;
    }
    if (pid == 0) {
#ifdef __linux__
        // Closing the converter kills us; the encoder must not keep running without us.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
#else
        (void)parent;
#endif
        if (nullInput.Get() >= 0) dup2(nullInput.Get(), 0);
        dup2(outWrite.Get(), 1);
        if (stderrMode == ChildStderr::ToPipe) dup2(outWrite.Get(), 2);
        if (separate) dup2(errWrite.Get(), 2);
        execv(program.c_str(), argv.data());
        int code = errno;
        ssize_t ignored = write(failWrite.Get(), &code, sizeof code);
        (void)ignored;
        _exit(127);
    }

    outWrite.Reset();
    errWrite.Reset();
    failWrite.Reset();
    int code = 0;
    ssize_t got;
    do {
        got = read(failRead.Get(), &code, sizeof code);
    } while (got < 0 && errno == EINTR);
    impl_->pid = pid;
    if (got == static_cast<ssize_t>(sizeof code)) {
        Wait();
        if (error) *error = "cannot start " + program + ": " + std::strerror(code);
        return false;
    }
    impl_->output.Reset(outRead.Release());
    impl_->errors.Reset(errRead.Release());
    return true;
}

size_t ChildProcess::Read(char* buffer, size_t size) { return ReadFd(impl_->output.Get(), buffer, size); }

size_t ChildProcess::ReadError(char* buffer, size_t size) { return ReadFd(impl_->errors.Get(), buffer, size); }

int ChildProcess::Wait() {
    if (impl_->pid <= 0) return -1;
    if (!impl_->reaped) {
        int status = 0;
        pid_t got;
        do {
            got = waitpid(impl_->pid, &status, 0);
        } while (got < 0 && errno == EINTR);
        impl_->reaped = true;
        if (WIFEXITED(status)) impl_->status = WEXITSTATUS(status);
        else if (WIFSIGNALED(status))
            impl_->status = 128 + WTERMSIG(status);
        else
            impl_->status = -1;
        impl_->output.Reset();
        impl_->errors.Reset();
    }
    return impl_->status;
}

void ChildProcess::Kill() {
    if (impl_->pid > 0 && !impl_->reaped) kill(impl_->pid, SIGKILL);
}

long ChildProcess::Id() const { return static_cast<long>(impl_->pid); }

}  // namespace tw::tools
