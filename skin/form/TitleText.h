// The window text on a skinned title bar. The frame painter composes the title bar and asks the
// title-text painter, when one is set, to write the text into the space the caption buttons
// leave; the caption add-on is that painter. Without one a skinned title shows no text.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tw {

class TSkinData;

struct TTitleTextRequest {
    HDC DC = nullptr;     // the title buffer
    RECT TitleRect{};     // the title bar in buffer coordinates
    RECT TextArea{};      // between the icon and the caption buttons
    int WindowWidth = 0;  // the buffer's coordinates are the window's: x = 0 is its left edge
    std::wstring Text;    // the window text
    bool Active = true;
    const TSkinData* SkinData = nullptr;
};

using TTitleTextPainter = std::function<void(const TTitleTextRequest& request)>;

// The painter of every skinned title bar of the process; empty removes it.
void SetTitleTextPainter(TTitleTextPainter painter);
const TTitleTextPainter& TitleTextPainter();

}  // namespace tw
