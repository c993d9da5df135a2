#include "skin/controls/CheckFrame.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "skin/controls/ComboLayout.h"

namespace tw {

TCheckState CheckStateFromName(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.find("uncheck") != std::string::npos) return TCheckState::Unchecked;
    if (lower.find("check") != std::string::npos) return TCheckState::Checked;
    if (lower.find("gray") != std::string::npos) return TCheckState::Grayed;
    return TCheckState::Unchecked;
}

namespace {

// Groups of four frames per state: normal is the group's first frame, disabled its last.
int GroupedFrame(int group, bool enabled) { return group * 4 + (enabled ? 1 : 4); }

int FrameOf(TCheckState state, bool enabled, int frameCount, int groups) {
    int index;
    if (frameCount >= groups * 4) {
        const int group = std::min(static_cast<int>(state), groups - 1);
        index = GroupedFrame(group, enabled);
    } else {
        // The small strip: a grayed box, enabled or not, shows the checked disabled frame.
        if (state == TCheckState::Grayed) index = 4;
        else
            index = (state == TCheckState::Checked ? 2 : 1) + (enabled ? 0 : 2);
    }
    return ClampFrame(index, frameCount);
}

}  // namespace

int CheckBoxFrame(const TCheckLook& look, int frameCount) {
    return FrameOf(look.State, look.Enabled, frameCount, frameCount >= 12 ? 3 : 2);
}

int RadioButtonFrame(const TCheckLook& look, int frameCount) {
    const TCheckState state = look.State == TCheckState::Unchecked ? TCheckState::Unchecked : TCheckState::Checked;
    return FrameOf(state, look.Enabled, frameCount, 2);
}

}  // namespace tw
