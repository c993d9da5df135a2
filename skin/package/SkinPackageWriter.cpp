#include "skin/package/SkinPackageWriter.h"

#include "framework/core/Exception.h"
#include "skin/package/Lzh.h"
#include "skin/package/LzhCoder.h"
#include "skin/package/SkinArchive.h"

namespace tw {

namespace {

void PutLE32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> BuildSkinArchive(const std::vector<TSkinMember>& members) {
    if (members.size() > static_cast<size_t>(kMaxSkinMembers))
        throw Exception("A skin package holds at most 1001 members");
    std::string names;
    uint64_t total = kSkinArchiveHeaderSize;
    for (const TSkinMember& m : members) {
        if (m.Name.empty()) throw Exception("A skin member needs a name");
        if (m.Name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
            throw Exception("The member name " + m.Name + " holds a line end");
        names += m.Name;
        names += "\r\n";
        total += 4 + m.Data.size();
    }
    total += names.size();
    if (total > kMaxExpandedSize) throw Exception("The skin archive would exceed 64 MiB");

    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(total));
    PutLE32(out, static_cast<uint32_t>(kSkinArchiveVersion));
    PutLE32(out, static_cast<uint32_t>(names.size()));
    PutLE32(out, 0);
    PutLE32(out, 0);
    out.insert(out.end(), names.begin(), names.end());
    for (const TSkinMember& m : members) PutLE32(out, static_cast<uint32_t>(m.Data.size()));
    for (const TSkinMember& m : members) out.insert(out.end(), m.Data.begin(), m.Data.end());
    return out;
}

std::vector<uint8_t> PackLzh(const std::vector<uint8_t>& bytes) {
    if (bytes.size() > kMaxExpandedSize) throw Exception("Input above 64 MiB cannot be packed");
    std::vector<uint8_t> out;
    PutLE32(out, static_cast<uint32_t>(bytes.size()));
    std::vector<uint8_t> coded = LzhCompress(bytes.data(), bytes.size());
    out.insert(out.end(), coded.begin(), coded.end());
    return out;
}

std::vector<uint8_t> BuildSkinPackage(const std::vector<TSkinMember>& members) {
    return PackLzh(BuildSkinArchive(members));
}

}  // namespace tw
