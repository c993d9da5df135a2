#include "tools/encoder/ChildProcess.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>

using tw::tools::ChildProcess;
using tw::tools::ChildStderr;

// Killing the front-end must take the real encoder with it.
TEST(ChildLifetime, ChildDiesWithItsParent) {
    // Orphans come to us, so the grandchild can be waited for and its cause of death read.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    ChildProcess holder;
    std::string error;
    ASSERT_TRUE(holder.Start(TW_HELPER_EXE, {"hold", TW_HELPER_EXE, "sleep", "30"}, ChildStderr::ToPipe, &error))
        << error;
    std::string line;
    char c;
    while (holder.Read(&c, 1) == 1 && c != '\n') line += c;
    ASSERT_EQ(line.compare(0, 6, "child "), 0) << line;
    pid_t grandchild = static_cast<pid_t>(std::stol(line.substr(6)));

    holder.Kill();
    holder.Wait();

    int status = 0;
    pid_t got = 0;
    for (int i = 0; i < 100 && got == 0; ++i) {
        got = waitpid(grandchild, &status, WNOHANG);
        if (got == 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (got == 0) kill(grandchild, SIGKILL), waitpid(grandchild, &status, 0);
    ASSERT_EQ(got, grandchild) << "the grandchild outlived its parent by 5 s";
    EXPECT_TRUE(WIFSIGNALED(status));
}
