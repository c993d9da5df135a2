// Skin package building: lays members out as a skin archive and codes it into a package.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tw {

// One archive member: its file name (with extension, no line ends) and its bytes.
struct TSkinMember {
    std::string Name;
    std::vector<uint8_t> Data;
};

// The expanded archive: version 20000, the names (each ended by CR LF), the sizes, the contents.
// Throws tw::Exception for a member name that is empty or holds a line end or NUL, for more
// than 1001 members and for an archive above the 64 MiB that readers accept.
std::vector<uint8_t> BuildSkinArchive(const std::vector<TSkinMember>& members);

// A complete package: the archive's 32-bit little-endian size, then the archive LZHUF-coded.
std::vector<uint8_t> BuildSkinPackage(const std::vector<TSkinMember>& members);

// Any bytes as a package-style blob: 32-bit little-endian size, then the LZHUF-coded bytes.
std::vector<uint8_t> PackLzh(const std::vector<uint8_t>& bytes);

}  // namespace tw
