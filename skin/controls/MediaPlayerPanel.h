// TWMediaPlayer: the borderless panel laid over a media player control. It draws the shown
// buttons from the skin's button strip with the player's own glyphs and hands every press and
// release to the control, which decides what a click is.
#pragma once

#include <windows.h>

#include <array>

#include "framework/core/PlayerButtons.h"
#include "framework/win/Handles.h"
#include "framework/win/PlayerGlyphs.h"
#include "skin/controls/CoveringPanel.h"
#include "skin/controls/PaintBuffer.h"

namespace tw {

class TSkinData;
class TWinControl;

class TWMediaPlayer : public TCoveringPanel {
public:
    // A hidden panel for player, a child of the player's parent, drawn from data.
    TWMediaPlayer(TWinControl& player, TSkinData& data);

    // Takes the player's bounds and visibility, right above it in the z-order.
    void Place();
    // The button a press of the panel's went down on, kNoPlayerButton when none is held.
    int DownButton() const { return pressed_ ? downButton_ : kNoPlayerButton; }
    void Draw(HDC dc) override;

protected:
    LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The player's button sets, read by name as the control publishes them.
    TMPButtonSet Set(const char* property) const;
    TPlayerLayout Layout() const;
    void Press(UINT msg, WPARAM wParam, LPARAM lParam);
    void Release(WPARAM wParam, LPARAM lParam);

    TWinControl& player_;
    TSkinData& data_;
    TPaintBuffer buffer_;
    // The 27 glyphs: one per look and button.
    std::array<std::array<TBitmapHandle, kPlayerButtonCount>, kPlayerGlyphLooks> glyphs_;
    bool pressed_ = false;
    int downButton_ = kNoPlayerButton;
};

}  // namespace tw
