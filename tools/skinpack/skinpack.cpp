// skinpack: builds, lists, unpacks and codes skin packages from the command line.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/core/Exception.h"
#include "framework/core/StringList.h"
#include "skin/package/Lzh.h"
#include "skin/package/SkinArchive.h"
#include "skin/package/SkinMessage.h"
#include "skin/package/SkinPackageWriter.h"
#include "skin/package/SkinReader.h"

namespace fs = std::filesystem;

namespace {

struct Failure {
    std::string reason;
};

std::string Display(const fs::path& p) { return p.u8string(); }

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure{"cannot open " + Display(path)};
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw Failure{"cannot read " + Display(path)};
    return bytes;
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw Failure{"cannot create " + Display(path)};
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw Failure{"cannot write " + Display(path)};
}

std::string Extension(const fs::path& p) { return tw::LowerCase(p.extension().u8string()); }

// The folder's one ".ini" file first, then its ".bmp" files by name.
std::vector<tw::TSkinMember> CollectMembers(const fs::path& folder) {
    if (!fs::is_directory(folder)) throw Failure{Display(folder) + " is not a folder"};
    std::vector<fs::path> inis, bitmaps;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const std::string ext = Extension(entry.path());
        if (ext == ".ini") inis.push_back(entry.path());
        if (ext == ".bmp") bitmaps.push_back(entry.path());
    }
    if (inis.size() != 1)
        throw Failure{Display(folder) + " must hold exactly one .ini file, it holds " + std::to_string(inis.size())};
    std::sort(bitmaps.begin(), bitmaps.end());
    std::vector<tw::TSkinMember> members;
    members.push_back({inis[0].filename().u8string(), ReadFile(inis[0])});
    for (const auto& b : bitmaps) members.push_back({b.filename().u8string(), ReadFile(b)});
    return members;
}

tw::TSkinReader OpenPackage(const fs::path& path) {
    tw::TMemoryStream package(ReadFile(path));
    std::string message;
    tw::TSkinMessageHook old = tw::SetSkinMessageHook([&](const std::string& text) { message = text; });
    tw::TSkinReader reader;
    const bool ok = reader.Open(package);
    tw::SetSkinMessageHook(std::move(old));
    if (!ok) {
        std::replace(message.begin(), message.end(), '\r', ' ');
        throw Failure{Display(path) + (message.empty() ? " is not a well-formed skin package" : ": " + message)};
    }
    return reader;
}

// Member names come from the package: only plain file names may become files.
bool IsSafeFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
            c == '|')
            return false;
    return name.back() != '.' && name.back() != ' ';
}

int Pack(const fs::path& folder, const fs::path& package) {
    WriteFile(package, tw::BuildSkinPackage(CollectMembers(folder)));
    return 0;
}

int List(const fs::path& package) {
    tw::TSkinReader reader = OpenPackage(package);
    std::cout << tw::kSkinArchiveVersion << '\n';
    for (int i = 0; i < reader.Count(); ++i) std::cout << reader.Names(i) << '\t' << reader.Sizes(i) << '\n';
    return 0;
}

int Extract(const fs::path& package, const fs::path& folder) {
    tw::TSkinReader reader = OpenPackage(package);
    for (int i = 0; i < reader.Count(); ++i)
        if (!IsSafeFileName(reader.Names(i))) throw Failure{"unsafe member name \"" + reader.Names(i) + "\""};
    fs::create_directories(folder);
    std::vector<std::string> written;
    for (int i = 0; i < reader.Count(); ++i) {
        const std::string& name = reader.Names(i);
        // Look-ups by name only ever see the first of equal names; later ones are skipped.
        if (std::find(written.begin(), written.end(), name) != written.end()) {
            std::cerr << "skinpack: skipping second member named " << name << '\n';
            continue;
        }
        tw::TMemoryStream data;
        reader.ExtractIndex(i, data);
        WriteFile(folder / fs::u8path(name), data.Bytes());
        written.push_back(name);
    }
    return 0;
}

int Expand(const fs::path& package, const fs::path& file) {
    const std::vector<uint8_t> bytes = ReadFile(package);
    if (bytes.size() < 4) throw Failure{Display(package) + " is too short for a package"};
    const uint32_t size = static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
                          (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    if (size > tw::kMaxExpandedSize) throw Failure{Display(package) + " states an expanded size above 64 MiB"};
    WriteFile(file, tw::LzhExpand(bytes.data() + 4, bytes.size() - 4, size));
    return 0;
}

int Compress(const fs::path& file, const fs::path& package) {
    WriteFile(package, tw::PackLzh(ReadFile(file)));
    return 0;
}

const char* kUsage =
    "usage: skinpack pack <folder> <package> | list <package> | extract <package> <folder> | "
    "expand <package> <file> | compress <file> <package>";

int Run(const std::vector<fs::path>& args) {
    if (args.empty()) throw Failure{kUsage};
    const std::string command = args[0].u8string();
    auto need = [&](size_t n) {
        if (args.size() != n + 1) throw Failure{command + " takes " + std::to_string(n) + " argument(s); " + kUsage};
    };
    if (command == "pack") return need(2), Pack(args[1], args[2]);
    if (command == "list") return need(1), List(args[1]);
    if (command == "extract") return need(2), Extract(args[1], args[2]);
    if (command == "expand") return need(2), Expand(args[1], args[2]);
    if (command == "compress") return need(2), Compress(args[1], args[2]);
    throw Failure{"unknown command " + command + "; " + kUsage};
}

int Main(const std::vector<fs::path>& args) {
    try {
        return Run(args);
    } catch (const Failure& f) {
        std::cerr << "skinpack: " << f.reason << '\n';
    } catch (const tw::Exception& e) {
        std::cerr << "skinpack: " << e.Message() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "skinpack: " << e.what() << '\n';
    }
    return 1;
}

}  // namespace

#ifdef _WIN32
// Wide arguments keep non-ASCII paths intact on Windows.
int wmain(int argc, wchar_t** argv) {
    std::vector<fs::path> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return Main(args);
}
#else
int main(int argc, char** argv) {
    std::vector<fs::path> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return Main(args);
}
#endif
