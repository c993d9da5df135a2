#include "skin/package/SkinReader.h"

#include <cstring>

#include "framework/core/StringList.h"
#include "skin/package/Lzh.h"
#include "skin/package/SkinArchive.h"
#include "skin/package/SkinMessage.h"

namespace tw {

namespace {

int32_t LE32(const uint8_t* p) {
    const uint32_t v = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                       (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    return static_cast<int32_t>(v);
}

}  // namespace

bool TSkinReader::Open(TMemoryStream& package) {
    package.SetPosition(0);
    if (package.Size() < 4) return false;
    const uint32_t expandedSize = package.ReadUInt32LE();
    if (expandedSize > kMaxExpandedSize) return false;
    size_t used = 0;
    const std::vector<uint8_t> archive = LzhExpand(package.Memory() + 4, package.Size() - 4, expandedSize, &used);
    package.SetPosition(4 + used);

    const size_t size = archive.size();
    if (size < static_cast<size_t>(kSkinArchiveHeaderSize)) return false;
    const uint8_t* a = archive.data();
    if (LE32(a) != kSkinArchiveVersion) {
        ShowSkinMessage("This is Older Skin File\rPlease update to new version !");
        return false;
    }
    const int32_t namesLength = LE32(a + 4);
    if (namesLength < 0 || static_cast<size_t>(namesLength) > size - kSkinArchiveHeaderSize) return false;

    TStringList list;
    list.SetText(LowerCase(
        std::string(reinterpret_cast<const char*>(a + kSkinArchiveHeaderSize), static_cast<size_t>(namesLength))));
    const size_t count = static_cast<size_t>(list.Count());
    if (count > static_cast<size_t>(kMaxSkinMembers)) return false;
    const size_t sizesAt = kSkinArchiveHeaderSize + static_cast<size_t>(namesLength);
    if (count * 4 > size - sizesAt) return false;
    const size_t contentsAt = sizesAt + count * 4;

    std::vector<int32_t> sizes(count);
    uint64_t total = 0;
    for (size_t i = 0; i < count; ++i) {
        sizes[i] = LE32(a + sizesAt + 4 * i);
        if (sizes[i] < 0) return false;
        total += static_cast<uint64_t>(sizes[i]);
    }
    if (total > size - contentsAt) return false;

    names_ = list.Items();
    sizes_ = std::move(sizes);
    std::memcpy(header_, a, sizeof header_);
    contents_.assign(archive.begin() + static_cast<ptrdiff_t>(contentsAt), archive.end());
    return true;
}

size_t TSkinReader::OffsetOf(size_t index) const {
    size_t offset = 0;
    for (size_t i = 0; i < index; ++i) offset += static_cast<size_t>(sizes_[i]);
    return offset;
}

void TSkinReader::ExtractIndex(int index, TMemoryStream& target) const {
    target.Clear();
    const size_t i = static_cast<size_t>(index);
    if (index < 0 || i >= names_.size()) return;
    const size_t n = static_cast<size_t>(sizes_[i]);
    if (n) target.Write(contents_.data() + OffsetOf(i), n);
    target.SetPosition(0);
}

void TSkinReader::ExtractMember(const std::string& name, TMemoryStream& target) const {
    target.Clear();
    const std::string wanted = LowerCase(name);
    for (size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == wanted) {
            ExtractIndex(static_cast<int>(i), target);
            return;
        }
    }
}

bool TSkinReader::ExtractFirstMatch(const std::string& part, TMemoryStream& target, std::string& foundName) const {
    target.Clear();
    for (size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].find(part) != std::string::npos) {
            ExtractIndex(static_cast<int>(i), target);
            foundName = names_[i];
            return true;
        }
    }
    return false;
}

}  // namespace tw
