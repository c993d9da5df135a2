#include "framework/win/BitBtn.h"

namespace tw {

const TClassInfo& TBitBtn::StaticClassInfo() {
    static const TClassInfo info{"TBitBtn", &TButton::StaticClassInfo(),
                                 WithGlyphProps<TBitBtn>({
                                     EnumProp<TBitBtn>(
                                         "Kind", {"bkCustom", "bkOK", "bkCancel", "bkClose"},
                                         [](const TBitBtn& b) { return static_cast<int>(b.Kind()); },
                                         [](TBitBtn& b, int64_t v) { b.SetKind(static_cast<TBitBtnKind>(v)); }),
                                     ObjProp<TBitBtn>("Images", [](const TBitBtn& b) { return b.Images(); }),
                                     IntProp<TBitBtn>(
                                         "ImageIndex", [](const TBitBtn& b) { return b.ImageIndex(); },
                                         [](TBitBtn& b, int64_t v) { b.SetImageIndex(static_cast<int>(v)); }),
                                     IntProp<TBitBtn>(
                                         "DisabledIndex", [](const TBitBtn& b) { return b.DisabledIndex(); },
                                         [](TBitBtn& b, int64_t v) { b.SetDisabledIndex(static_cast<int>(v)); }),
                                 })};
    return info;
}

TBitBtn::~TBitBtn() {
    if (images_) images_->RemoveFreeNotification(this);
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    kind_ = kind;
    static const wchar_t* const captions[] = {L"", L"OK", L"Cancel", L"&Close"};
    if (Caption().empty()) SetCaption(captions[static_cast<int>(kind)]);
}

void TBitBtn::SetImages(TImageList* images) {
    if (images_ == images) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    Invalidate();
}

void TBitBtn::SetImageIndex(int index) {
    imageIndex_ = index;
    Invalidate();
}

void TBitBtn::SetDisabledIndex(int index) {
    disabledIndex_ = index;
    Invalidate();
}

void TBitBtn::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

}  // namespace tw
