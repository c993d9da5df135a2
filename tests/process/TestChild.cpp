// A console program for the runner tests: writes what its arguments script, then exits.
//   out TEXT | err TEXT   write TEXT (escapes \r \n \0 \t \\ \xHH) to stdout or stderr
//   sleep MS              pause
//   pid                   write "pid=N" and LF
//   console               write "console processes=N window=W" and LF: how many processes share
//                         its console (0: it has none), whether that console has a window
//   flood BYTES SEED      write a reproducible flood in uneven chunks
//   exit CODE             end now with that exit code
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/process/FloodGen.h"

namespace {

std::string Unescape(const char* s) {
    std::string out;
    for (; *s; ++s) {
        if (*s != '\\' || !s[1]) {
            out += *s;
            continue;
        }
        ++s;
        switch (*s) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case '0':
                out += '\0';
                break;
            case 't':
                out += '\t';
                break;
            case 'x':
                if (s[1] && s[2]) {
                    const char hex[3] = {s[1], s[2], 0};
                    out += static_cast<char>(std::strtoul(hex, nullptr, 16));
                    s += 2;
                }
                break;
            default:
                out += *s;
                break;
        }
    }
    return out;
}

bool WriteAll(HANDLE h, const char* p, size_t n) {
    while (n > 0) {
        DWORD wrote = 0;
        if (!WriteFile(h, p, static_cast<DWORD>(n), &wrote, nullptr) || wrote == 0) return false;
        p += wrote;
        n -= wrote;
    }
    return true;
}

int Flood(HANDLE out, size_t total, uint64_t seed) {
    tw::test::TFloodGen gen(seed);
    tw::test::TFloodGen chunks(seed + 1000);
    std::vector<char> buf(1 << 16);
    for (size_t done = 0; done < total;) {
        size_t n = 1 + chunks.Next() % buf.size();
        if (n > total - done) n = total - done;
        gen.Fill(buf.data(), n);
        if (!WriteAll(out, buf.data(), n)) return 3;
        done += n;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    for (int i = 1; i < argc; ++i) {
        const std::string cmd = argv[i];
        const char* arg = i + 1 < argc ? argv[i + 1] : "";
        if (cmd == "out" || cmd == "err") {
            const std::string text = Unescape(arg);
            if (!WriteAll(cmd == "out" ? out : err, text.data(), text.size())) return 3;
            ++i;
        } else if (cmd == "sleep") {
            Sleep(static_cast<DWORD>(std::strtoul(arg, nullptr, 10)));
            ++i;
        } else if (cmd == "pid") {
            const std::string text = "pid=" + std::to_string(GetCurrentProcessId()) + "\n";
            if (!WriteAll(out, text.data(), text.size())) return 3;
        } else if (cmd == "console") {
            DWORD processes[8];
            const DWORD sharing = GetConsoleProcessList(processes, 8);
            const std::string text = "console processes=" + std::to_string(sharing) +
                                     " window=" + (GetConsoleWindow() ? "1" : "0") + "\n";
            if (!WriteAll(out, text.data(), text.size())) return 3;
        } else if (cmd == "flood" && i + 2 < argc) {
            const int rc = Flood(out, std::strtoull(argv[i + 1], nullptr, 10), std::strtoull(argv[i + 2], nullptr, 10));
            if (rc) return rc;
            i += 2;
        } else if (cmd == "exit") {
            return std::atoi(arg);
        } else {
            return 2;
        }
    }
    return 0;
}
