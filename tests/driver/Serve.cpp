#include "tests/driver/Serve.h"

#include <windows.h>

#include "tests/driver/Output.h"
#include "tests/driver/ServeFrame.h"

namespace tw::driver {

namespace {

// Reads stdin up to the next line feed; false at its end (or on a read error).
class LineReader {
public:
    bool Next(std::string& line) {
        for (;;) {
            const size_t end = pending_.find('\n');
            if (end != std::string::npos) {
                line = pending_.substr(0, end);
                pending_.erase(0, end + 1);
                return true;
            }
            char chunk[4096];
            DWORD got = 0;
            if (!ReadFile(GetStdHandle(STD_INPUT_HANDLE), chunk, sizeof chunk, &got, nullptr) || got == 0) {
                return false;
            }
            pending_.append(chunk, got);
        }
    }

private:
    std::string pending_;
};

// A one-shot driver leaves nothing behind when it exits; here a command's late arrivals (an
// answer sent to a window it has already destroyed) are taken off the queue before the next.
void DropLeftoverMessages() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace

int Serve(const CommandRunner& run) {
    if (!WriteAll(STD_OUTPUT_HANDLE, kServeReady)) {
        return 1;
    }
    LineReader reader;
    std::string line;
    while (reader.Next(line)) {
        const Request request = ParseRequest(line);
        if (request.kind == RequestKind::Quit) {
            return 0;
        }
        int status = 2;
        CapturedOutput captured;
        if (request.kind == RequestKind::Malformed) {
            captured.err = "twdriver: --serve: a request is its arguments, each after a 0x1F byte, then a line feed\n";
        } else {
            std::vector<std::wstring> args;
            for (const auto& a : request.args) {
                args.push_back(FromUtf8(a));
            }
            status = run(args);
        }
        DropLeftoverMessages();
        if (!WriteAll(STD_OUTPUT_HANDLE, FormatAnswer(status, captured.out, captured.err))) {
            return 1;
        }
    }
    return 0;
}

}  // namespace tw::driver
