// TQuickIni: a read-only INI text parsed once, answering section and key look-ups.
#pragma once

#include <string>
#include <vector>

#include "framework/core/MemoryStream.h"
#include "framework/core/StringList.h"

namespace tw {

class TQuickIni {
public:
    // Parses from the stream's position to its end, replacing earlier content; null is ignored.
    void LoadFromStream(TMemoryStream* stream);
    void LoadFromText(const std::string& text);

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    // Decimal or hexadecimal ("$FF", "0xFF"); hexadecimal up to 32 bits wraps to negative.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    // Section names without brackets, in text order, duplicates included.
    void ReadSections(TStringList& target) const;
    // Line number of the first header matching [section] (case ignored), or -1.
    int FindSection(const std::string& section) const;

    int LineCount() const { return static_cast<int>(lines_.size()); }
    const std::string& Lines(int index) const { return lines_.at(static_cast<size_t>(index)); }

private:
    struct TSection {
        std::string Header;  // as kept, brackets included
        int Line;
    };
    std::vector<std::string> lines_;
    std::vector<TSection> sections_;
};

// Converts text as a signed 32-bit integer: optional sign, then decimal digits or "$" and hex
// digits. False for anything else, for an empty text and for values that do not fit.
bool TryStrToInt(const std::string& text, int& value);

}  // namespace tw
