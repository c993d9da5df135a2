#include "skin/data/SkinColour.h"

#include <cctype>

#include "framework/core/StringList.h"

namespace tw {

TColor ParseColour(const std::string& raw, TColor def) {
    const std::string text = Trim(raw);
    if (text.empty()) return def;
    unsigned parts[3] = {0, 0, 0};
    int stored = 0;
    unsigned current = 0;
    bool digits = false;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            // Only the value modulo 256 matters; keep the running number small.
            current = (current * 10 + static_cast<unsigned>(ch - '0')) % 256;
            digits = true;
        } else if (digits) {
            if (stored < 3) parts[stored] = current;
            ++stored;
            current = 0;
            digits = false;
        }
    }
    // Digits running to the end count only as the blue of a text that already gave red and green.
    if (stored == 2) parts[2] = digits ? current : 0;
    return RGBColor(static_cast<int>(parts[0]), static_cast<int>(parts[1]), static_cast<int>(parts[2]));
}

}  // namespace tw
