// TSkinReader: opens a skin package (expanded size + LZHUF-coded archive) and hands out its
// members by name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/MemoryStream.h"

namespace tw {

class TSkinReader {
public:
    // Reads a package from the start of package. False, with the reader unchanged, for a
    // package that is not well formed; an archive of another version also shows the message
    // "This is Older Skin File\rPlease update to new version !" through the skin message hook.
    bool Open(TMemoryStream& package);

    // Copies the first member named name (case ignored) into target and rewinds it; target is
    // left empty when there is none.
    void ExtractMember(const std::string& name, TMemoryStream& target) const;

    // Copies the first member whose (lower-case) name contains part, compared exactly, into
    // target, rewinds it and sets foundName; answers whether one was found. When none is,
    // target is left empty and foundName unchanged.
    bool ExtractFirstMatch(const std::string& part, TMemoryStream& target, std::string& foundName) const;

    int Count() const { return static_cast<int>(names_.size()); }
    const std::string& Names(int index) const { return names_.at(static_cast<size_t>(index)); }
    int32_t Sizes(int index) const { return sizes_.at(static_cast<size_t>(index)); }
    // Copies member index into target (cleared first) and rewinds it.
    void ExtractIndex(int index, TMemoryStream& target) const;
    const uint8_t* Header() const { return header_; }

private:
    size_t OffsetOf(size_t index) const;

    std::vector<std::string> names_;  // lower case, archive order
    std::vector<int32_t> sizes_;
    uint8_t header_[16] = {};
    std::vector<uint8_t> contents_;
};

}  // namespace tw
