#include "app/LineKeeper.h"

namespace tw {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

TLineKeeper::TLineKeeper(size_t maxLines, size_t maxBytes) : maxLines_(maxLines), maxBytes_(maxBytes) {}

void TLineKeeper::Add(std::string_view line) {
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    if (line.empty() || maxLines_ == 0) return;
    std::string kept;
    if (line.size() <= maxBytes_) {
        kept.assign(line);
    } else {
        // Never half a character: step back to the start of the one that would be cut.
        size_t cut = maxBytes_;
        while (cut > 0 && IsContinuationByte(line[cut])) --cut;
        kept.assign(line.substr(0, cut));
        kept += "...";
    }
    if (lines_.size() == maxLines_) lines_.pop_front();
    lines_.push_back(std::move(kept));
}

std::string TLineKeeper::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

}  // namespace tw
