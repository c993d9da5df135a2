#include "tools/encoder/ChildPump.h"

#include <mutex>
#include <thread>

#include "tools/encoder/LineSplitter.h"

namespace tw::tools {

int PumpChild(ChildProcess& child, const LineHandler& onOutputLine, const LineHandler& onDiagnosticLine) {
    std::mutex gate;
    auto serialised = [&gate](const LineHandler& handler) {
        return [&gate, &handler](const std::string& line) {
            std::lock_guard<std::mutex> hold(gate);
            handler(line);
        };
    };
    std::thread diagnostics([&child, &serialised, &onDiagnosticLine]() {
        try {
            LineSplitter lines(serialised(onDiagnosticLine));
            char buffer[4096];
            while (size_t got = child.ReadError(buffer, sizeof buffer)) lines.Feed(buffer, got);
            lines.Finish();
        } catch (...) {
            // Out of memory at worst: the diagnostics are lost, the child goes on.
        }
    });
    try {
        LineSplitter lines(serialised(onOutputLine));
        char buffer[4096];
        while (size_t got = child.Read(buffer, sizeof buffer)) lines.Feed(buffer, got);
        lines.Finish();
    } catch (...) {
        // A thread still joinable when it is destroyed ends the program; and the diagnostics
        // only end with the child.
        child.Kill();
        diagnostics.join();
        throw;
    }
    diagnostics.join();
    return child.Wait();
}

}  // namespace tw::tools
