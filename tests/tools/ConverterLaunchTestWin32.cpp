// The tools started the way the converter starts them: one command-line string, a new hidden
// console, standard output and error on one pipe that is polled, not read to its end.
#include "framework/core/ClassInfo.h"
#include "framework/win/Handles.h"
#include "tests/tools/ToolRun.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

using namespace tw::tools::test;

namespace {

struct Launch {
    DWORD exitCode = STILL_ACTIVE;
    std::string output;
};

Launch RunLikeTheConverter(const std::string& commandLine) {
    Launch result;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    tw::THandle readEnd, writeEnd;
    if (!CreatePipe(readEnd.Receive(), writeEnd.Receive(), &inherit, 0)) return result;
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();
    std::wstring line = tw::WideFromUtf8(commandLine);
    PROCESS_INFORMATION info{};
    BOOL started = CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                                  &startup, &info);
    writeEnd.Reset();
    if (!started) return result;
    const tw::THandle thread(info.hThread), process(info.hProcess);
    for (int pass = 0; pass < 120000; ++pass) {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process.Get(), &code);
        DWORD waiting = 0;
        while (PeekNamedPipe(readEnd.Get(), nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0) {
            std::string chunk(waiting, '\0');
            DWORD got = 0;
            if (!ReadFile(readEnd.Get(), &chunk[0], waiting, &got, nullptr)) break;
            result.output.append(chunk, 0, got);
        }
        if (code != STILL_ACTIVE) {
            result.exitCode = code;
            break;
        }
        Sleep(1);
    }
    if (result.exitCode == STILL_ACTIVE) TerminateProcess(process.Get(), 1);
    return result;
}

}  // namespace

TEST(ConverterLaunch, ProbeAndEncoderWithTheFixedCommandLines) {
    TempFolder folder("launch");
    std::filesystem::path dir = folder.Path() / FsPath("视频 文件");
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(FsPath(TW_TEST_MEDIA) / "long.avi", dir / FsPath("我的 视频.avi"));
    std::string source = Utf8Of(dir / FsPath("我的 视频.avi"));
    std::string output = Utf8Of(dir / FsPath("我的 视频.3GP"));

    Launch probe = RunLikeTheConverter("\"" + HostPath(TW_PROBE_EXE) + "\" -msglevel identify=6 -vo none -ao none \"" +
                                       source + "\" 2>&1 |grep ID_LENGTH");
    EXPECT_EQ(probe.exitCode, 0u) << probe.output;
    EXPECT_NE(probe.output.find("ID_LENGTH=12."), std::string::npos) << probe.output;

    Launch encode = RunLikeTheConverter("\"" + HostPath(TW_ENCODER_EXE) + "\" -i \"" + source +
                                        "\" -vcodec mpeg4 -f 3gp -b 120K -r 14.985 -s 176x144 -ar 8000 -ab 12.2K "
                                        "-ac 1  -y  \"" +
                                        output + "\"");
    EXPECT_EQ(encode.exitCode, 0u) << encode.output;
    EXPECT_NE(encode.output.find("=ffmpeg_release_time\r\n"), std::string::npos) << encode.output;
    EXPECT_TRUE(std::filesystem::file_size(FsPath(output)) > 10000);
}
