// Benchmark of the console process runner under a flood and while its child is silent.
//   bench_dos [megabytes=100] [idle-seconds=10]
// Prints the flood throughput of the runner against a bare blocking ReadFile loop on the same
// kind of pipe with the same child, and the CPU the whole process uses while a child sleeps.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/win/Handles.h"
#include "process/DosCommand.h"
#include "tests/process/DosTestSupport.h"

namespace {

using Clock = std::chrono::steady_clock;
using tw::test::ChildCommand;

double Since(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

// The child started the way the runner starts it, read with nothing but ReadFile.
double BareReadSeconds(const std::wstring& command, unsigned long long& bytes) {
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    tw::THandle readEnd, writeEnd;
    if (!CreatePipe(readEnd.Receive(), writeEnd.Receive(), &sa, 1 << 20)) return -1;  // the runner's pipe size
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    si.wShowWindow = SW_HIDE;
    si.hStdInput = nullptr;
    si.hStdOutput = writeEnd.Get();
    si.hStdError = writeEnd.Get();
    std::vector<wchar_t> cmd(command.begin(), command.end());
    cmd.push_back(0);
    PROCESS_INFORMATION pi{};
    const auto start = Clock::now();
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS | CREATE_NO_WINDOW, nullptr,
                        nullptr, &si, &pi))
        return -1;
    const tw::THandle process(pi.hProcess), thread(pi.hThread);
    writeEnd.Reset();
    std::vector<char> buf(1 << 16);
    DWORD got = 0;
    bytes = 0;
    while (ReadFile(readEnd.Get(), buf.data(), static_cast<DWORD>(buf.size()), &got, nullptr) && got > 0) bytes += got;
    WaitForSingleObject(process.Get(), INFINITE);
    return Since(start);
}

double RunnerSeconds(const std::wstring& command, int& lines, std::string& error) {
    tw::TDosCommand dos(nullptr);
    dos.SetCommandLine(command);
    const auto start = Clock::now();
    dos.Execute();
    tw::test::PumpUntil([&] { return !dos.IsRunning(); }, 600000);
    const double seconds = Since(start);
    dos.Stop();
    lines = dos.LineCount();
    error = dos.LastError();
    return seconds;
}

double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto toSeconds = [](const FILETIME& f) {
        return static_cast<double>((static_cast<unsigned long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 1e7;
    };
    return toSeconds(kernel) + toSeconds(user);
}

}  // namespace

int main(int argc, char** argv) {
    const unsigned long long megabytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100;
    const int idleSeconds = argc > 2 ? std::atoi(argv[2]) : 10;
    const std::wstring flood = ChildCommand(L"flood " + std::to_wstring(megabytes << 20) + L" 3");

    // Rounds alternate the two readers, so that both see the same background load.
    const int rounds = 5;
    std::vector<double> ratios, bares, runners;
    for (int round = 1; round <= rounds; ++round) {
        unsigned long long bytes = 0;
        int lines = 0;
        std::string error;
        double cpu = ProcessCpuSeconds();
        const double bare = BareReadSeconds(flood, bytes);
        const double bareCpu = ProcessCpuSeconds() - cpu;
        cpu = ProcessCpuSeconds();
        const double runner = RunnerSeconds(flood, lines, error);
        if (!error.empty()) std::printf("round %d: the runner failed: %s\n", round, error.c_str());
        const double runnerCpu = ProcessCpuSeconds() - cpu;
        const double mb = static_cast<double>(bytes) / (1 << 20);
        std::printf(
            "round %d: bare ReadFile %.3f s (%.1f MB/s, CPU %.2f s), runner %.3f s (%.1f MB/s, CPU %.2f s, "
            "%d lines), ratio %.2f\n",
            round, bare, mb / bare, bareCpu, runner, mb / runner, runnerCpu, lines, bare / runner);
        ratios.push_back(bare / runner);
        bares.push_back(bare);
        runners.push_back(runner);
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("flood throughput ratio runner/bare: median of rounds %.2f, of median times %.2f (goal >= 0.80)\n",
                median(ratios), median(bares) / median(runners));

    {
        tw::TDosCommand dos(nullptr);
        dos.SetCommandLine(ChildCommand(L"sleep " + std::to_wstring(idleSeconds * 1000)));
        const double cpuBefore = ProcessCpuSeconds();
        const auto start = Clock::now();
        dos.Execute();
        // A lazy waiting loop, so that the figure is the runner's: the ticks come once a second.
        while (dos.IsRunning()) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 250, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        }
        const double wall = Since(start);
        const double cpu = ProcessCpuSeconds() - cpuBefore;
        dos.Stop();
        std::printf("silent child: wall %.2f s, process CPU %.3f s = %.2f%% of one core (goal < 1%%)\n", wall, cpu,
                    100.0 * cpu / wall);
    }
    std::fflush(stdout);
    return 0;
}
