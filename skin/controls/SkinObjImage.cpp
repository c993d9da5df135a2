#include "skin/controls/SkinObjImage.h"

#include <string>

#include "framework/core/ClassInfo.h"
#include "framework/win/Control.h"
#include "framework/win/GlyphBitmap.h"
#include "framework/win/Handles.h"
#include "skin/controls/ObjImageStrip.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"

namespace tw {

namespace {

// The magenta key as the decimal text controls of that kind read.
const char* const kMagentaText = "16711935";

bool CopyInto(TGlyphBitmap& glyph, const TBitmap& strip) {
    if (strip.PixelFormat() != TPixelFormat::pf24bit || !glyph.SetSize(strip.Width(), strip.Height())) return false;
    // The strip's rows lie bottom-up as in a DIB: the bottom row comes first.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = strip.Width();
    info.bmiHeader.biHeight = strip.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    if (!dc) return false;
    const int rows = SetDIBits(dc.Get(), glyph.Handle(), 0, static_cast<UINT>(strip.Height()),
                               strip.ScanLine(strip.Height() - 1), &info, DIB_RGB_COLORS);
    glyph.Changed();
    return rows == strip.Height();
}

}  // namespace

void TSkinObjImage::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    TControlSkinner::AttachControl(form, data, control, recolour);
    if (Attached()) HandOver();
}

void TSkinObjImage::SkinChanged() {
    TControlSkinner::SkinChanged();
    if (Attached()) HandOver();
}

void TSkinObjImage::Detach() {
    if (TWinControl* control = FrameworkControl(); control && Attached()) {
        if (objKind_ == 3) {
            if (auto* glyph = dynamic_cast<TGlyphBitmap*>(GetObjectProp(GetObjectProp(control, "Properties"), "Glyph")))
                glyph->SetSize(0, 0);
        } else {
            SetPropFromText(control, "UseCustomGlyphs", "False");
        }
    }
    TControlSkinner::Detach();
}

void TSkinObjImage::HandOver() {
    TWinControl* control = FrameworkControl();
    if (!control || !skinData_ || !skinData_->Buttons) return;
    const TDataSkinButton& buttons = *skinData_->Buttons;
    const bool radio = objKind_ == 2;
    const TBitmap& source = radio ? buttons.RadioImage : buttons.CheckImage;
    int frames = radio ? buttons.RadioButtonFrame : buttons.CheckButtonFrame;
    if (frames < 1) frames = 4;
    const TBitmap strip = BuildObjStrip(source, frames, objKind_);
    if (strip.Empty()) return;
    if (objKind_ == 3) {
        TObject* properties = GetObjectProp(control, "Properties");
        auto* glyph = dynamic_cast<TGlyphBitmap*>(GetObjectProp(properties, "Glyph"));
        if (!glyph || !CopyInto(*glyph, strip)) return;
        SetPropFromText(properties, "Transparent", "False");
    } else {
        auto* glyph = dynamic_cast<TGlyphBitmap*>(GetObjectProp(control, "CustomGlyphs"));
        if (!glyph || !CopyInto(*glyph, strip)) return;
        SetPropFromText(control, "transparentcolor", kMagentaText);
        // Off and on again, so that the control loads the new strip.
        SetPropFromText(control, "UseCustomGlyphs", "False");
        SetPropFromText(control, "UseCustomGlyphs", "True");
    }
    ++handovers_;
}

}  // namespace tw
