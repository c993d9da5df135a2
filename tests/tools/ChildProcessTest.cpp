#include "tests/tools/ToolRun.h"
#include "tools/encoder/ChildPump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>

using namespace tw::tools::test;

namespace {

std::string Helper() { return HostPath(TW_HELPER_EXE); }

}  // namespace

TEST(ChildProcess, ArgumentsArriveUnchanged) {
    // On Windows this goes through our quoting and the child runtime's splitting.
    std::vector<std::string> arguments = {
        "args",       "plain",         "",     "with blank", "quote\"inside", "C:\\trailing dir\\",
        "back\\\\\"", "视频 文件.avi", "2>&1", "|grep",      "\ttab"};
    RunResult result = RunProgram(Helper(), arguments);
    ASSERT_TRUE(result.started) << result.error;
    EXPECT_EQ(result.exitCode, 0);
    std::vector<std::string> expected;
    for (size_t i = 1; i < arguments.size(); ++i) expected.push_back("<" + arguments[i] + ">");
    EXPECT_EQ(result.lines, expected);
}

TEST(ChildProcess, ExitCodeAndMergedStreams) {
    RunResult result = RunProgram(Helper(), {"exit", "7"});
    ASSERT_TRUE(result.started) << result.error;
    EXPECT_EQ(result.exitCode, 7);
    EXPECT_TRUE(result.HasLineStartingWith("to stdout"));
    EXPECT_TRUE(result.HasLineStartingWith("to stderr"));
}

TEST(ChildProcess, MissingProgramIsReportedNotStarted) {
    TempFolder folder("missing");
    RunResult result = RunProgram(Utf8Of(folder.Path() / "no-such-program.exe"), {});
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.error.find("no-such-program"), std::string::npos) << result.error;
}

// Both streams line by line with the exit code; then an output handler that fails while the
// child still runs: the child is ended and the diagnostics thread joined (a thread destroyed
// while joinable would end the program), and the failure reaches the caller.
TEST(PumpChild, LinesOfBothStreamsAndAFailingHandler) {
    using tw::tools::ChildProcess;
    using tw::tools::ChildStderr;
    std::string error;
    std::vector<std::string> output, diagnostics;
    {
        ChildProcess child;
        ASSERT_TRUE(child.Start(Helper(), {"chat", "0"}, ChildStderr::Separate, &error)) << error;
        int code = tw::tools::PumpChild(
            child, [&](const std::string& line) { output.push_back(line); },
            [&](const std::string& line) { diagnostics.push_back(line); });
        EXPECT_EQ(code, 5);
        EXPECT_EQ(output, std::vector<std::string>{"progress"});
        EXPECT_EQ(diagnostics, std::vector<std::string>{"diagnostic"});
    }

    ChildProcess child;
    ASSERT_TRUE(child.Start(Helper(), {"chat", "60"}, ChildStderr::Separate, &error)) << error;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_THROW(tw::tools::PumpChild(
                     child, [](const std::string& line) { throw std::runtime_error("no room for " + line); },
                     [](const std::string&) {}),
                 std::runtime_error);
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_LT(took, 20.0) << "the child was left running";
}

// A program deep below a long folder with wide characters finds itself whole: the front-ends
// look for FFmpeg beside themselves. (Windows starts no program whose path reaches MAX_PATH, so
// there the path stops just short of it; beyond it the buffer grows, natively the limit is far.)
TEST(ChildProcess, OwnPathOfAlmostMaxPath) {
    TempFolder folder("long-path");
    const std::filesystem::path name = FsPath(Helper()).filename();
#ifdef _WIN32
    const size_t longest = 259;  // UTF-16 units, as the system counts them
#else
    const size_t longest = 400;
#endif
    std::filesystem::path deep = folder.Path();
    while ((deep / FsPath("长") / name).u16string().size() < longest) deep /= FsPath("长");
    std::filesystem::create_directories(deep);
    const std::filesystem::path copy = deep / name;
    std::filesystem::copy_file(FsPath(Helper()), copy);
    RunResult result = RunProgram(Utf8Of(copy), {"self"});
    ASSERT_TRUE(result.started) << result.error;
    ASSERT_EQ(result.lines.size(), 1u) << result.output;
    EXPECT_EQ(result.lines[0], Utf8Of(copy));
}
