#include "framework/core/PlayerButtons.h"

#include <cctype>

namespace tw {

namespace {

const char* const kNames[kPlayerButtonCount] = {"btPlay", "btPause", "btStop",   "btNext", "btPrev",
                                                "btStep", "btBack",  "btRecord", "btEject"};

}  // namespace

const char* PlayerButtonName(int button) { return button >= 0 && button < kPlayerButtonCount ? kNames[button] : ""; }

std::string ButtonSetText(TMPButtonSet set) {
    std::string text = "[";
    for (int b = 0; b < kPlayerButtonCount; ++b) {
        if (!InButtonSet(set, b)) continue;
        if (text.size() > 1) text += ',';
        text += kNames[b];
    }
    return text + "]";
}

TMPButtonSet ButtonSetFromText(const std::string& text) {
    TMPButtonSet set = 0;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !std::isalnum(static_cast<unsigned char>(text[i]))) ++i;
        const size_t start = i;
        while (i < text.size() && std::isalnum(static_cast<unsigned char>(text[i]))) ++i;
        const std::string word = text.substr(start, i - start);
        for (int b = 0; b < kPlayerButtonCount; ++b)
            if (word == kNames[b]) set = static_cast<TMPButtonSet>(set | (1u << b));
    }
    return set;
}

TPlayerLayout LayPlayerButtons(TMPButtonSet visible, int width) {
    TPlayerLayout layout;
    int count = 0;
    for (int b = 0; b < kPlayerButtonCount; ++b) count += InButtonSet(visible, b);
    if (count == 0 || width <= 0) return layout;
    layout.ButtonWidth = width / count;
    int left = 0;
    for (int b = 0; b < kPlayerButtonCount; ++b) {
        if (!InButtonSet(visible, b)) continue;
        layout.Spans.push_back(TPlayerButtonSpan{b, left});
        left += layout.ButtonWidth;
    }
    return layout;
}

int PlayerButtonAt(const TPlayerLayout& layout, int x) {
    if (layout.ButtonWidth <= 0) return kNoPlayerButton;
    for (const TPlayerButtonSpan& span : layout.Spans)
        if (x >= span.Left && x <= span.Left + layout.ButtonWidth) return span.Button;
    return kNoPlayerButton;
}

}  // namespace tw
