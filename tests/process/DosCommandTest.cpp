#include "process/DosCommand.h"

#include <windows.h>
#include <gtest/gtest.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include <chrono>
#include <memory>
#include <mutex>

#include "framework/win/Handles.h"
#include "process/ProcessTimer.h"
#include "tests/process/DosTestSupport.h"
#include "tests/process/FloodGen.h"

namespace tw {
namespace {

using namespace tw::test;
using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;

// Runs the child with args to its end and gives its lines.
Lines RunChild(const std::wstring& args, TEventLog* log = nullptr, TChildConsole console = ccOwn) {
    TDosCommand dos(nullptr);
    dos.SetConsole(console);
    if (log) log->Attach(dos);
    dos.SetCommandLine(ChildCommand(args));
    dos.Execute();
    EXPECT_TRUE(WaitWhileRunning(dos, 20000));
    dos.Stop();
    EXPECT_EQ(dos.LastError(), "");
    return dos.Lines().Items();
}

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

bool ProcessEnds(DWORD pid, DWORD timeoutMs) {
    const THandle h(OpenProcess(SYNCHRONIZE, FALSE, pid));
    if (!h) return true;  // already gone
    return WaitForSingleObject(h.Get(), timeoutMs) == WAIT_OBJECT_0;
}

// Wine answers GetProcessHandleCount with 0; then the open handles are counted by probing
// the handle values, which are small multiples of 4 there.
DWORD HandleCount() {
    DWORD n = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &n) && n > 0) return n;
    for (uintptr_t v = 4; v < 65536; v += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(v), &flags)) ++n;
    }
    return n;
}

int ThreadCount() {
    const THandle snap(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snap) return -1;
    THREADENTRY32 te{};
    te.dwSize = sizeof(te);
    int n = 0;
    for (BOOL ok = Thread32First(snap.Get(), &te); ok; ok = Thread32Next(snap.Get(), &te))
        if (te.th32OwnerProcessID == GetCurrentProcessId()) ++n;
    return n;
}

TEST(DosCommand, LinesAndEventsOfAScriptedChild) {
    TEventLog log;
    EXPECT_EQ(RunChild(L"out a\\r\\nb\\nc", &log), (Lines{"a", "b", "c"}));
    const auto events = log.Events();
    ASSERT_GE(events.size(), 4u);
    EXPECT_EQ(events[0], std::make_pair(std::string("a"), otEntireLine));
    EXPECT_EQ(events[1], std::make_pair(std::string("b"), otEntireLine));
    EXPECT_EQ(events[events.size() - 2], std::make_pair(std::string("c"), otBeginningOfLine));
    EXPECT_EQ(events.back(), std::make_pair(std::string("c"), otEntireLine));
    EXPECT_EQ(log.Terminated(), 1);
}

TEST(DosCommand, LineEndsNulBytesAndStderr) {
    EXPECT_EQ(RunChild(L"out x\\ry"), (Lines{"x", "y"}));
    EXPECT_EQ(RunChild(L"out x\\r\\ny"), (Lines{"x", "y"}));
    EXPECT_EQ(RunChild(L"out x\\n\\ry"), (Lines{"x", "", "y"}));
    EXPECT_EQ(RunChild(L"out \\0a\\0b\\n\\0\\0c\\0"), (Lines{"ab", "c"}));
    EXPECT_EQ(RunChild(L"out 1\\n err 2\\n out 3\\n"), (Lines{"1", "2", "3"}));
    // A CR that ends one write and an LF that starts the next, read apart, end two lines.
    EXPECT_EQ(RunChild(L"out x\\r sleep 300 out \\ny"), (Lines{"x", "", "y"}));
    // Bytes outside ASCII come through as written.
    EXPECT_EQ(RunChild(L"out \\xe5\\xae\\x8c\\xe6\\x88\\x90\\n"), (Lines{"\xe5\xae\x8c\xe6\x88\x90"}));
}

// The child's console is its own (nobody else is attached to it, though this test program has
// a console it could have inherited) and has no window at all, not even a hidden one.
TEST(DosCommand, TheChildHasAConsoleOfItsOwnWithoutAWindowOrNoneWhenItNeedsNone) {
    EXPECT_EQ(RunChild(L"console"), (Lines{"console processes=1 window=0"}));
    // Its output still comes through the pipe.
    EXPECT_EQ(RunChild(L"console out a\\nb", nullptr, ccNone), (Lines{"console processes=0 window=0", "a", "b"}));
}

TEST(DosCommand, EmptyCommandLineRaisesAndLeavesIsRunningAlone) {
    TDosCommand dos(nullptr);
    try {
        dos.Execute();
        ADD_FAILURE() << "no error";
    } catch (const EDosCommand& e) {
        EXPECT_EQ(e.Message(), "No Commandline to execute");
    }
    EXPECT_FALSE(dos.IsRunning());
    EXPECT_EQ(dos.Timer(), nullptr);

    dos.SetCommandLine(ChildCommand(L"sleep 20000"));
    dos.Execute();
    dos.SetCommandLine(L"");
    EXPECT_THROW(dos.Execute(), EDosCommand);
    EXPECT_TRUE(dos.IsRunning());
    dos.Stop();
    EXPECT_FALSE(dos.IsRunning());
}

TEST(DosCommand, StopEndsTheChildAndReturnsAfterTerminated) {
    TDosCommand dos(nullptr);
    TEventLog log;
    log.Attach(dos);
    dos.SetCommandLine(ChildCommand(L"pid out partial sleep 30000"));
    dos.Execute();
    ASSERT_TRUE(PumpUntil([&] { return dos.LineCount() >= 1; }, 10000));
    ASSERT_TRUE(PumpUntil([&] { return !log.Events().empty() && log.Events().back().first == "partial"; }, 5000));
    const DWORD pid = PidFromLines(dos.Lines());
    ASSERT_NE(pid, 0u);
    const auto start = Clock::now();
    dos.Stop();
    EXPECT_LT(SecondsSince(start), 5.0);
    EXPECT_EQ(log.Terminated(), 1);
    EXPECT_FALSE(dos.IsRunning());
    EXPECT_TRUE(ProcessEnds(pid, 0));
    // The unfinished line is reported as complete when the run ends.
    EXPECT_EQ(dos.Lines().Items().back(), "partial");
    dos.Stop();  // nothing left to stop
    EXPECT_EQ(log.Terminated(), 1);
    // A stopped child has no exit code of its own to report.
    EXPECT_EQ(dos.ExitCode(), TDosCommand::kNoExitCode);
}

// The reader sleeps while the child is silent; output after the silence and a stop each wake it
// at once.
TEST(DosCommand, OutputAfterSilenceAndAStopWakeTheWaitingReader) {
    TDosCommand dos(nullptr);
    std::mutex lock;
    std::vector<Clock::time_point> arrivals;
    dos.OnNewLine = [&](TObject*, const std::string&, TOutputType type) {
        if (type != otEntireLine) return;
        std::lock_guard<std::mutex> g(lock);
        arrivals.push_back(Clock::now());
    };
    dos.SetCommandLine(ChildCommand(L"out first\\n sleep 1500 out second\\n sleep 30000"));
    dos.Execute();
    ASSERT_TRUE(PumpUntil(
        [&] {
            std::lock_guard<std::mutex> g(lock);
            return arrivals.size() >= 2;
        },
        15000));
    {
        std::lock_guard<std::mutex> g(lock);
        const double gap = std::chrono::duration<double>(arrivals[1] - arrivals[0]).count();
        EXPECT_GE(gap, 1.4);
        EXPECT_LT(gap, 2.5);
    }
    PumpUntil([] { return false; }, 300);  // the reader is waiting again
    const auto start = Clock::now();
    dos.Stop();
    EXPECT_LT(SecondsSince(start), 1.0);
    EXPECT_FALSE(dos.IsRunning());
    EXPECT_EQ(dos.Lines().Items(), (Lines{"first", "second"}));
}

TEST(DosCommand, ExitCodeOfAChildThatEndsByItself) {
    TDosCommand dos(nullptr);
    for (int code : {0, 7, 259}) {
        dos.SetCommandLine(ChildCommand(L"out x\\n exit " + std::to_wstring(code)));
        dos.Execute();
        EXPECT_EQ(dos.ExitCode(), TDosCommand::kNoExitCode);
        ASSERT_TRUE(WaitWhileRunning(dos, 20000));
        dos.Stop();
        EXPECT_EQ(dos.ExitCode(), code);
    }
    dos.SetCommandLine(L"\"C:\\no such folder\\missing.exe\"");
    dos.Execute();
    ASSERT_TRUE(WaitWhileRunning(dos, 20000));
    dos.Stop();
    EXPECT_EQ(dos.ExitCode(), TDosCommand::kNoExitCode);
}

TEST(DosCommand, ExecuteDuringARunEndsThatRunFirst) {
    TDosCommand dos(nullptr);
    TEventLog log;
    log.Attach(dos);
    dos.SetCommandLine(ChildCommand(L"pid sleep 30000"));
    dos.Execute();
    ASSERT_TRUE(PumpUntil([&] { return dos.LineCount() >= 1; }, 10000));
    const DWORD first = PidFromLines(dos.Lines());
    dos.SetCommandLine(ChildCommand(L"out second\\n"));
    dos.Execute();
    EXPECT_EQ(log.Terminated(), 1);
    EXPECT_TRUE(ProcessEnds(first, 0));
    ASSERT_TRUE(WaitWhileRunning(dos, 20000));
    dos.Stop();
    EXPECT_EQ(dos.Lines().Items(), (Lines{"second"}));
    EXPECT_EQ(log.Terminated(), 2);
}

TEST(DosCommand, WithoutLimitsTheRunLastsAsLongAsTheChild) {
    TDosCommand dos(nullptr);
    dos.SetCommandLine(ChildCommand(L"sleep 2500 out done\\n"));
    const auto start = Clock::now();
    dos.Execute();
    ASSERT_TRUE(WaitWhileRunning(dos, 20000));
    const double seconds = SecondsSince(start);
    EXPECT_GE(seconds, 2.4);
    EXPECT_LT(seconds, 6.0);  // child start-up on a busy machine
    EXPECT_GE(dos.Timer()->SecondsSinceStart.load(), 2);
    EXPECT_EQ(dos.Lines().Items(), (Lines{"done"}));
}

// The limit ends the run at the sixth tick but leaves the child to the job, which ends it
// when the runner goes.
TEST(DosCommand, StartLimitEndsTheRunAtTheSixthTickAndTheRunnerEndsTheChild) {
    auto dos = std::make_unique<TDosCommand>(nullptr);
    TEventLog log;
    log.Attach(*dos);
    dos->SetMaxTimeAfterBeginning(5);
    dos->SetCommandLine(ChildCommand(L"pid sleep 60000"));
    const auto start = Clock::now();
    dos->Execute();
    ASSERT_TRUE(WaitWhileRunning(*dos, 20000));
    const double seconds = SecondsSince(start);
    EXPECT_GE(seconds, 5.9);
    EXPECT_LT(seconds, 9.0);
    EXPECT_EQ(dos->Timer()->SecondsSinceStart.load(), 6);
    EXPECT_EQ(log.Terminated(), 1);
    const DWORD pid = PidFromLines(dos->Lines());
    ASSERT_NE(pid, 0u);
    dos->Stop();
    EXPECT_FALSE(ProcessEnds(pid, 200));
    dos.reset();
    EXPECT_TRUE(ProcessEnds(pid, 5000));
}

TEST(DosCommand, OutputLimitCountsFromTheLastCompleteLine) {
    TDosCommand dos(nullptr);
    dos.SetMaxTimeAfterLastOutput(1);
    std::wstring args;
    for (int i = 0; i < 8; ++i) args += L"out tick\\n sleep 400 ";
    // An unfinished line is not output that keeps the run going.
    args += L"out waiting sleep 60000";
    dos.SetCommandLine(ChildCommand(args));
    const auto start = Clock::now();
    dos.Execute();
    ASSERT_TRUE(WaitWhileRunning(dos, 20000));
    const double seconds = SecondsSince(start);
    // The last complete line comes at 2.8 s; the run ends at the second tick after it.
    EXPECT_GE(seconds, 2.8 + 1.0);
    EXPECT_LT(seconds, 2.8 + 4.5);
    const Lines lines = dos.Lines().Items();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines.back(), "waiting");
}

TEST(DosCommand, FloodOfHundredMegabytesArrivesComplete) {
    const size_t total = 100u << 20;
    const uint64_t seed = 7;
    const TLineDigest expected = ExpectedFloodDigest(seed, total);
    TDosCommand dos(nullptr);
    dos.SetCommandLine(ChildCommand(L"flood " + std::to_wstring(total) + L" " + std::to_wstring(seed)));
    dos.Execute();
    // Snapshots taken while the reader appends must be consistent.
    size_t lastSize = 0;
    int snapshots = 0;
    ASSERT_TRUE(PumpUntil(
        [&] {
            if (snapshots < 20) {
                const std::string text = dos.LinesText();
                EXPECT_GE(text.size(), lastSize);
                lastSize = text.size();
                ++snapshots;
            }
            return !dos.IsRunning();
        },
        240000));
    dos.Stop();
    EXPECT_EQ(dos.LastError(), "");
    TLineDigest got;
    const TStringList lines = dos.Lines();
    for (const std::string& line : lines.Items()) got.AddLine(line);
    EXPECT_EQ(got.Lines, expected.Lines);
    EXPECT_EQ(got.Bytes, expected.Bytes);
    EXPECT_EQ(got.Hash, expected.Hash);
}

TEST(DosCommand, ManyRunsLeaveHandlesAndThreadsFlat) {
    TDosCommand dos(nullptr);
    dos.SetCommandLine(ChildCommand(L"out x\\n"));
    // Now and then Wine cannot start a process at all (its loader finds the shared user data's
    // fixed address taken); such a child never ran, prints nothing and is started again. Runs
    // are about the runner's handles and threads, not the loader's luck: a few are allowed.
    int unstarted = 0;
    auto runOnce = [&] {
        for (int attempt = 0; attempt < 3; ++attempt) {
            dos.Execute();
            ASSERT_TRUE(WaitWhileRunning(dos, 20000));
            dos.Stop();
            if (dos.LineCount() == 1) return;
            ++unstarted;
        }
        FAIL() << "the child printed nothing three times in a row";
    };
    for (int i = 0; i < 20; ++i) runOnce();
    const DWORD handlesBefore = HandleCount();
    const int threadsBefore = ThreadCount();
    ASSERT_GT(handlesBefore, 0u);
    ASSERT_GT(threadsBefore, 0);
    for (int i = 0; i < 500; ++i) {
        runOnce();
        if (HasFatalFailure()) return;
    }
    EXPECT_LE(HandleCount(), handlesBefore + 5);
    EXPECT_LE(ThreadCount(), threadsBefore + 1);
    EXPECT_LE(unstarted, 5);
}

TEST(DosCommand, MissingProgramEndsAtOnceWithTheReason) {
    TDosCommand dos(nullptr);
    TEventLog log;
    log.Attach(dos);
    // By the time the owner hears of the end, the run is over and the reason is there.
    bool runningInHandler = true;
    std::string errorInHandler;
    const TNotifyEvent count = dos.OnTerminated;
    dos.OnTerminated = [&](TObject* sender) {
        runningInHandler = dos.IsRunning();
        errorInHandler = dos.LastError();
        count(sender);
    };
    dos.SetCommandLine(L"C:\\no such folder\\missing.exe -v");
    const auto start = Clock::now();
    dos.Execute();
    ASSERT_TRUE(WaitWhileRunning(dos, 5000));
    EXPECT_LT(SecondsSince(start), 1.0);
    dos.Stop();
    EXPECT_EQ(dos.LastError(), "C:\\no such folder\\missing.exe -v doesn't exist.");
    EXPECT_EQ(errorInHandler, dos.LastError());
    EXPECT_FALSE(runningInHandler);
    EXPECT_EQ(log.Terminated(), 1);
    EXPECT_EQ(dos.LineCount(), 0);

    // The runner is usable again afterwards, and a good run clears the reason.
    dos.SetCommandLine(ChildCommand(L"out ok\\n"));
    dos.Execute();
    ASSERT_TRUE(WaitWhileRunning(dos, 20000));
    dos.Stop();
    EXPECT_EQ(dos.LastError(), "");
    EXPECT_EQ(dos.Lines().Items(), (Lines{"ok"}));
}

TEST(DosCommand, ChildPathWithChineseCharactersAndBlanks) {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring dir = std::wstring(temp) + L"tw 进程 测试";
    CreateDirectoryW(dir.c_str(), nullptr);
    const std::wstring exe = dir + L"\\子 程序.exe";
    ASSERT_TRUE(CopyFileW(ChildPath().c_str(), exe.c_str(), FALSE));
    TDosCommand dos(nullptr);
    dos.SetCommandLine(Quoted(exe) + L" out ok\\n");
    dos.Execute();
    ASSERT_TRUE(WaitWhileRunning(dos, 20000));
    dos.Stop();
    EXPECT_EQ(dos.LastError(), "");
    EXPECT_EQ(dos.Lines().Items(), (Lines{"ok"}));
    DeleteFileW(exe.c_str());
    RemoveDirectoryW(dir.c_str());
}

TEST(DosCommand, AnErrorInAHandlerEndsTheRunAndTheChild) {
    TDosCommand dos(nullptr);
    int terminated = 0;
    DWORD pid = 0;
    dos.OnNewLine = [&](TObject* sender, const std::string& line, TOutputType) {
        EXPECT_EQ(sender, &dos);
        if (line.rfind("pid=", 0) == 0) pid = static_cast<DWORD>(std::stoul(line.substr(4)));
        throw Exception("handler failed");
    };
    dos.OnTerminated = [&](TObject*) { ++terminated; };
    dos.SetCommandLine(ChildCommand(L"pid out more\\n sleep 60000"));
    dos.Execute();
    ASSERT_TRUE(WaitWhileRunning(dos, 10000));
    dos.Stop();
    EXPECT_EQ(dos.LastError(), "handler failed");
    EXPECT_EQ(terminated, 1);
    ASSERT_NE(pid, 0u);
    EXPECT_TRUE(ProcessEnds(pid, 2000));
}

TEST(DosCommand, ARunCannotRestartItselfFromItsHandler) {
    TDosCommand dos(nullptr);
    int terminated = 0;
    dos.OnTerminated = [&](TObject*) {
        ++terminated;
        dos.Execute();
    };
    dos.SetCommandLine(ChildCommand(L"out x\\n"));
    dos.Execute();
    ASSERT_TRUE(WaitWhileRunning(dos, 10000));
    dos.Stop();
    EXPECT_EQ(terminated, 1);
    EXPECT_EQ(dos.LastError(), "A run cannot be started from its own event handler");
    EXPECT_EQ(dos.Lines().Items(), (Lines{"x"}));
}

// Freed on the reader thread, inside the handler, the runner would leave that thread reading a
// freed runner; every build refuses it by ending the program with the reason instead.
TEST(DosCommandDeathTest, FreeingTheRunnerFromItsOwnHandlerEndsTheProgramWithTheReason) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const char* reason = "freed from its own event handler";
    EXPECT_DEATH(
        {
            auto* dos = new TDosCommand(nullptr);
            dos->OnNewLine = [dos](TObject*, const std::string&, TOutputType) { delete dos; };
            dos->SetCommandLine(ChildCommand(L"out first\\nsecond\\n sleep 2000"));
            dos->Execute();
            Sleep(5000);
        },
        reason);
    EXPECT_DEATH(
        {
            auto* dos = new TDosCommand(nullptr);
            dos->OnTerminated = [dos](TObject*) { delete dos; };
            dos->SetCommandLine(ChildCommand(L"out x\\n"));
            dos->Execute();
            Sleep(5000);
        },
        reason);
}

TEST(DosCommand, SettingsArePublishedByName) {
    TDosCommand dos(nullptr);
    EXPECT_TRUE(SetPropFromText(&dos, "MaxTimeAfterBeginning", "12"));
    EXPECT_EQ(dos.MaxTimeAfterBeginning(), 12);
    EXPECT_TRUE(SetPropFromText(&dos, "MaxTimeAfterLastOutput", "3"));
    EXPECT_EQ(dos.MaxTimeAfterLastOutput(), 3);
    EXPECT_EQ(GetEnumProp(&dos, "InputToOutput"), "False");
    EXPECT_EQ(dos.Priority(), 0x20u);
}

}  // namespace
}  // namespace tw
