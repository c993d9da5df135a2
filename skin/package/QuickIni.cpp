#include "skin/package/QuickIni.h"

#include <cstdint>

namespace tw {

namespace {

bool IsHeader(const std::string& line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool TryStrToInt(const std::string& text, int& value) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size()) return false;
    int64_t v = 0;
    if (text[i] == '$') {
        if (++i >= text.size()) return false;
        for (; i < text.size(); ++i) {
            const int d = HexDigit(text[i]);
            if (d < 0) return false;
            v = v * 16 + d;
            if (v > 0xFFFFFFFFll) return false;
        }
        // Hexadecimal spans the full 32 bits, so colour values like $FF00000F fit.
        uint32_t bits = static_cast<uint32_t>(v);
        if (negative) bits = 0u - bits;
        value = static_cast<int32_t>(bits);
        return true;
    }
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        v = v * 10 + (text[i] - '0');
        if (v > 2147483648ll) return false;
    }
    if (negative) v = -v;
    if (v > 2147483647ll) return false;
    value = static_cast<int>(v);
    return true;
}

void TQuickIni::LoadFromStream(TMemoryStream* stream) {
    if (!stream) return;
    std::string text;
    if (stream->Position() < stream->Size()) {
        text.assign(reinterpret_cast<const char*>(stream->Memory()) + stream->Position(),
                    stream->Size() - stream->Position());
        stream->SetPosition(stream->Size());
    }
    LoadFromText(text);
}

void TQuickIni::LoadFromText(const std::string& text) {
    lines_.clear();
    sections_.clear();
    const size_t nul = text.find('\0');
    const size_t end = nul == std::string::npos ? text.size() : nul;
    size_t start = 0;
    while (start <= end) {
        size_t stop = start;
        while (stop < end && text[stop] != '\r' && text[stop] != '\n') ++stop;
        std::string line = Trim(text.substr(start, stop - start));
        if (!line.empty() && line[0] != ';') {
            if (IsHeader(line)) sections_.push_back({line, static_cast<int>(lines_.size())});
            lines_.push_back(std::move(line));
        }
        if (stop >= end) break;
        start = stop + 1;
        if (text[stop] == '\r' && start < end && text[start] == '\n') ++start;
    }
}

int TQuickIni::FindSection(const std::string& section) const {
    const std::string wanted = "[" + section + "]";
    for (const TSection& s : sections_)
        if (SameText(s.Header, wanted)) return s.Line;
    return -1;
}

std::string TQuickIni::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
    if (lines_.empty()) return def;
    const int header = FindSection(section);
    if (header < 0) return def;
    const std::string wanted = LowerCase(key);
    for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (IsHeader(line)) break;
        const size_t eq = line.find('=');
        const std::string name = eq == std::string::npos ? std::string() : line.substr(0, eq);
        if (LowerCase(Trim(name)) != wanted) continue;
        const std::string value = eq == std::string::npos ? std::string() : Trim(line.substr(eq + 1));
        return value.empty() ? def : value;
    }
    return def;
}

int TQuickIni::ReadInteger(const std::string& section, const std::string& key, int def) const {
    std::string s = ReadString(section, key, std::string());
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.replace(0, 2, "$");
    int value = 0;
    return TryStrToInt(s, value) ? value : def;
}

void TQuickIni::ReadSections(TStringList& target) const {
    target.Clear();
    for (const TSection& s : sections_) target.Add(Trim(s.Header.substr(1, s.Header.size() - 2)));
}

}  // namespace tw
