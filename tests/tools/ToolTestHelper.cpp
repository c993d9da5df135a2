// A small program the tool tests start: echoes its arguments or its own path, exits with a code,
// sleeps, writes
// to both streams and then sleeps, or holds a child of its own through ChildProcess so that a
// test can kill it.
#include "tools/encoder/ChildProcess.h"
#include "tools/encoder/ToolPlatform.h"

#include <chrono>
#include <string>
#include <thread>

using namespace tw::tools;

int main(int argc, char** argv) {
    std::vector<std::string> arguments = CommandLineArguments(argc, argv);
    if (arguments.empty()) return 2;
    const std::string mode = arguments[0];
    if (mode == "args") {
        for (size_t i = 1; i < arguments.size(); ++i) WriteOut("<" + arguments[i] + ">\n");
        return 0;
    }
    if (mode == "exit" && arguments.size() == 2) {
        WriteOut("to stdout\n");
        WriteErr("to stderr\n");
        return std::stoi(arguments[1]);
    }
    if (mode == "sleep" && arguments.size() == 2) {
        std::this_thread::sleep_for(std::chrono::seconds(std::stoi(arguments[1])));
        return 0;
    }
    if (mode == "self") {
        WriteOut(OwnExecutablePath() + "\n");
        return 0;
    }
    if (mode == "chat" && arguments.size() == 2) {
        WriteOut("progress\n");
        WriteErr("diagnostic\n");
        std::this_thread::sleep_for(std::chrono::seconds(std::stoi(arguments[1])));
        return 5;
    }
    if (mode == "hold" && arguments.size() >= 2) {
        ChildProcess child;
        std::string error;
        if (!child.Start(arguments[1], std::vector<std::string>(arguments.begin() + 2, arguments.end()),
                         ChildStderr::Inherit, &error)) {
            WriteErr(error + "\n");
            return 3;
        }
        WriteOut("child " + std::to_string(child.Id()) + "\n");
        char buffer[256];
        while (child.Read(buffer, sizeof buffer) > 0) {
        }
        return child.Wait();
    }
    return 2;
}
