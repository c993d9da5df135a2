#include "tools/skingen/SkinFolder.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "framework/core/Exception.h"

namespace fs = std::filesystem;

namespace tw::skingen {

void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw tw::Exception("Cannot write " + temp);
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) throw tw::Exception("Cannot replace " + path + ": " + ec.message());
}

void WriteSkinFolder(const TSkinMembers& members, const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) throw tw::Exception("Cannot create " + folder + ": " + ec.message());
    std::set<std::string> written;
    for (const auto& [name, bytes] : members) {
        WriteFileAtomically((fs::path(folder) / name).string(), bytes);
        written.insert(name);
    }
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".bmp" && !written.count(name)) fs::remove(entry.path(), ec);
    }
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw tw::Exception("Cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace tw::skingen
