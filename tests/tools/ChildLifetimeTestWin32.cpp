#include "framework/win/Handles.h"
#include "tests/tools/ToolRun.h"
#include "tools/encoder/ChildProcess.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

using tw::tools::ChildProcess;
using tw::tools::ChildStderr;

// Killing the front-end must take the real encoder with it (the job closes with the front-end).
TEST(ChildLifetime, ChildDiesWithItsParent) {
    std::string helper = tw::tools::test::HostPath(TW_HELPER_EXE);
    ChildProcess holder;
    std::string error;
    ASSERT_TRUE(holder.Start(helper, {"hold", helper, "sleep", "30"}, ChildStderr::ToPipe, &error)) << error;
    std::string line;
    char c;
    while (holder.Read(&c, 1) == 1 && c != '\n') line += c;
    ASSERT_EQ(line.compare(0, 6, "child "), 0) << line;
    DWORD id = static_cast<DWORD>(std::stoul(line.substr(6)));
    const tw::THandle grandchild(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id));
    ASSERT_TRUE(grandchild);

    holder.Kill();
    holder.Wait();

    DWORD waited = WaitForSingleObject(grandchild.Get(), 5000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(grandchild.Get(), 1);
    EXPECT_EQ(waited, WAIT_OBJECT_0) << "the grandchild outlived its parent by 5 s";
}

// The child gets its standard handles and nothing else: a pipe end we hold as inheritable (the
// converter's pipe, for a front-end) must not stay open in an FFmpeg that outlives us.
TEST(ChildLifetime, ChildInheritsOnlyItsStandardHandles) {
    SECURITY_ATTRIBUTES inherit{};
    inherit.nLength = sizeof inherit;
    inherit.bInheritHandle = TRUE;
    tw::THandle readEnd, writeEnd;
    ASSERT_TRUE(CreatePipe(readEnd.Receive(), writeEnd.Receive(), &inherit, 0));
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    // One child of each standard-error kind, all running when our end is closed.
    std::vector<std::unique_ptr<ChildProcess>> children;
    for (ChildStderr mode : {ChildStderr::ToPipe, ChildStderr::Separate, ChildStderr::Inherit}) {
        children.push_back(std::make_unique<ChildProcess>());
        std::string error;
        ASSERT_TRUE(children.back()->Start(tw::tools::test::HostPath(TW_HELPER_EXE), {"sleep", "30"}, mode, &error))
            << error;
    }
    writeEnd.Reset();
    DWORD waiting = 0;
    const BOOL open = PeekNamedPipe(readEnd.Get(), nullptr, 0, nullptr, &waiting, nullptr);
    const DWORD why = GetLastError();
    EXPECT_FALSE(open) << "a child holds our inheritable pipe end";
    if (!open) {
        EXPECT_EQ(why, static_cast<DWORD>(ERROR_BROKEN_PIPE));
    }
    for (auto& child : children) {
        child->Kill();
        child->Wait();
    }
}
