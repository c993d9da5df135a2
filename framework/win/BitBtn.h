// TBitBtn: a push button with a glyph, from a glyph strip or from an image list, beside, above or
// below its caption. Without a skin it is the system's push button with its caption only.
#pragma once

#include "framework/win/ButtonGlyph.h"
#include "framework/win/ImageList.h"
#include "framework/win/StdCtrls.h"

namespace tw {

// A standard kind gives the button its usual caption when it has none.
enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkClose };

class TBitBtn : public TButton {
    TW_CLASS_INFO()
public:
    using TButton::TButton;
    ~TBitBtn() override;

    TButtonGlyph& Glyphs() { return glyphs_; }
    const TButtonGlyph& Glyphs() const { return glyphs_; }
    TGlyphBitmap& Glyph() { return *glyphs_.Glyph; }
    void GlyphChanged() { Invalidate(); }

    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind kind);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // The picture drawn while disabled; -1: ImageIndex's, in the disabled look.
    int DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(int index);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TButtonGlyph glyphs_;
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
    TImageList* images_ = nullptr;
    int imageIndex_ = -1, disabledIndex_ = -1;
};

}  // namespace tw
