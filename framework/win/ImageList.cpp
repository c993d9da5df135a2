#include "framework/win/ImageList.h"

namespace tw {

const TClassInfo& TImageList::StaticClassInfo() {
    static const TClassInfo info{
        "TImageList",
        &TComponent::StaticClassInfo(),
        {
            IntProp<TImageList>(
                "Width", [](const TImageList& l) { return l.Width(); }, [](TImageList&, int64_t) {}),
            IntProp<TImageList>(
                "Height", [](const TImageList& l) { return l.Height(); }, [](TImageList&, int64_t) {}),
            IntProp<TImageList>(
                "Count", [](const TImageList& l) { return l.Count(); }, [](TImageList&, int64_t) {}),
        }};
    return info;
}

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner),
      width_(width > 0 ? width : 16),
      height_(height > 0 ? height : 16),
      list_(ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4)) {}

int TImageList::Count() const { return list_ ? ImageList_GetImageCount(list_.Get()) : 0; }

int TImageList::AddMasked(HBITMAP strip, COLORREF mask) {
    if (!list_ || !strip) return -1;
    return ImageList_AddMasked(list_.Get(), strip, mask);
}

bool TImageList::Draw(HDC dc, int x, int y, int index) const {
    if (!list_ || index < 0 || index >= Count()) return false;
    return ImageList_Draw(list_.Get(), index, dc, x, y, ILD_TRANSPARENT) != FALSE;
}

}  // namespace tw
