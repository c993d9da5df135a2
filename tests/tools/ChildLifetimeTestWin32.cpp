#include "tests/tools/ToolRun.h"
#include "tools/encoder/ChildProcess.h"

#include <gtest/gtest.h>

#include <windows.h>

using tw::tools::ChildProcess;
using tw::tools::ChildStderr;

// Killing the front-end must take the real encoder with it (the job closes with the front-end).
TEST(ChildLifetime, ChildDiesWithItsParent)
{
    std::string helper = tw::tools::test::HostPath(TW_HELPER_EXE);
    ChildProcess holder;
    std::string error;
    ASSERT_TRUE(holder.Start(helper, {"hold", helper, "sleep", "30"}, ChildStderr::ToPipe, &error)) << error;
    std::string line;
    char c;
    while (holder.Read(&c, 1) == 1 && c != '\n')
        line += c;
    ASSERT_EQ(line.compare(0, 6, "child "), 0) << line;
    DWORD id = static_cast<DWORD>(std::stoul(line.substr(6)));
    HANDLE grandchild = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
    ASSERT_NE(grandchild, nullptr);

    holder.Kill();
    holder.Wait();

    DWORD waited = WaitForSingleObject(grandchild, 5000);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(grandchild, 1);
    CloseHandle(grandchild);
    EXPECT_EQ(waited, WAIT_OBJECT_0) << "the grandchild outlived its parent by 5 s";
}
