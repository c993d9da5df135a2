// TImageList: a list of equal-sized pictures that glyph buttons draw by index.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/core/Component.h"
#include "framework/win/Handles.h"

namespace tw {

struct TImageListTraits : TNullMeansNone<HIMAGELIST> {
    static void Free(HIMAGELIST list) noexcept { ImageList_Destroy(list); }
};
using TImageListHandle = TUniqueHandle<TImageListTraits>;

class TImageList : public TComponent {
    TW_CLASS_INFO()
public:
    explicit TImageList(TComponent* owner, int width = 16, int height = 16);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    // Adds the pictures of a strip of cells of the list's size; pixels of mask are transparent.
    // Answers the index of the first, -1 when nothing was added.
    int AddMasked(HBITMAP strip, COLORREF mask);
    // Draws one picture at x, y; false for an index the list does not have.
    bool Draw(HDC dc, int x, int y, int index) const;
    HIMAGELIST Handle() const { return list_.Get(); }

private:
    int width_, height_;
    TImageListHandle list_;
};

}  // namespace tw
