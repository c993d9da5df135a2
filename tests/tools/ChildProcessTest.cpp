#include "tests/tools/ToolRun.h"

#include <gtest/gtest.h>

using namespace tw::tools::test;

namespace {

std::string Helper()
{
    return HostPath(TW_HELPER_EXE);
}

}  // namespace

TEST(ChildProcess, ArgumentsArriveUnchanged)
{
    // On Windows this goes through our quoting and the child runtime's splitting.
    std::vector<std::string> arguments = {"args",         "plain",        "",
                                          "with blank",   "quote\"inside", "C:\\trailing dir\\",
                                          "back\\\\\"",   "视频 文件.avi", "2>&1",
                                          "|grep",        "\ttab"};
    RunResult result = RunProgram(Helper(), arguments);
    ASSERT_TRUE(result.started) << result.error;
    EXPECT_EQ(result.exitCode, 0);
    std::vector<std::string> expected;
    for (size_t i = 1; i < arguments.size(); ++i)
        expected.push_back("<" + arguments[i] + ">");
    EXPECT_EQ(result.lines, expected);
}

TEST(ChildProcess, ExitCodeAndMergedStreams)
{
    RunResult result = RunProgram(Helper(), {"exit", "7"});
    ASSERT_TRUE(result.started) << result.error;
    EXPECT_EQ(result.exitCode, 7);
    EXPECT_TRUE(result.HasLineStartingWith("to stdout"));
    EXPECT_TRUE(result.HasLineStartingWith("to stderr"));
}

TEST(ChildProcess, MissingProgramIsReportedNotStarted)
{
    TempFolder folder("missing");
    RunResult result = RunProgram(Utf8Of(folder.Path() / "no-such-program.exe"), {});
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.error.find("no-such-program"), std::string::npos) << result.error;
}
