// The filled length of a skinned progress bar.
#pragma once

namespace tw {

// Of a bar `length` pixels long at pos of max (the lower limit read as 0): none unless both are
// above 0, and never past the bar.
constexpr int ProgressFill(int length, int pos, int max) {
    if (length <= 0 || pos <= 0 || max <= 0) return 0;
    if (pos >= max) return length;
    return static_cast<int>(static_cast<long long>(length) * pos / max);
}

}  // namespace tw
