// TOwnerDrawSwitch: every entry of a menu tree made owner-drawn for as long as it lives (so the
// skin draws them), each given its own type back when it goes, so nothing draws blank after the
// popup has closed or skinning has ended.
#pragma once

#include <windows.h>

#include <vector>

namespace tw {

class TOwnerDrawSwitch {
public:
    TOwnerDrawSwitch() = default;
    explicit TOwnerDrawSwitch(HMENU root) { Switch(root, 0); }
    ~TOwnerDrawSwitch() { Restore(); }
    TOwnerDrawSwitch(const TOwnerDrawSwitch&) = delete;
    TOwnerDrawSwitch& operator=(const TOwnerDrawSwitch&) = delete;

    // Gives every switched entry its own type back (a menu destroyed meanwhile is skipped).
    void Restore();
    // The menus of the tree, the root first.
    const std::vector<HMENU>& Menus() const { return menus_; }
    bool Holds(HMENU menu) const;

private:
    struct TEntry {
        HMENU Menu;
        UINT Position;
        UINT Type;
    };
    void Switch(HMENU menu, int depth);
    std::vector<TEntry> entries_;
    std::vector<HMENU> menus_;
};

}  // namespace tw
