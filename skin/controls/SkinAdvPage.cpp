#include "skin/controls/SkinAdvPage.h"

#include <commctrl.h>

#include "framework/core/ClassInfo.h"
#include "framework/win/Control.h"
#include "framework/win/GlyphBitmap.h"
#include "framework/win/Handles.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/ImageDrawing.h"

namespace tw {

namespace {

TGlyphBitmap* Background(TWinControl* control, const char* name) {
    return dynamic_cast<TGlyphBitmap*>(GetObjectProp(control, name, "TGlyphBitmap"));
}

}  // namespace

TSkinAdvPage::TSkinAdvPage() = default;
TSkinAdvPage::~TSkinAdvPage() {
    // Freed without a detach first: the control still gets its own tabs back.
    if (Attached() && LifeState() != slGone) ClearBackgrounds();
}

void TSkinAdvPage::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool recolour) {
    TControlSkinner::AttachControl(form, data, control, recolour);
    if (Attached()) RenderBackgrounds();
}

void TSkinAdvPage::Detach() {
    if (Attached()) ClearBackgrounds();
    arrows_.reset();
    TControlSkinner::Detach();
}

void TSkinAdvPage::SkinChanged() {
    TControlSkinner::SkinChanged();
    if (!Attached()) return;
    RenderBackgrounds();
    if (arrows_) arrows_->SkinChanged();
}

void TSkinAdvPage::WindowGoing() { arrows_.reset(); }

void TSkinAdvPage::RenderBackgrounds() {
    const TDataSkinBorder* tabs = skinData_ ? skinData_->Tabs.get() : nullptr;
    if (!control_ || !tabs || tabs->Image.Empty()) {
        ClearBackgrounds();
        return;
    }
    const char* names[] = {"TabBackGround", "TabBackGroundActive"};
    const COLORREF face = FaceColour();
    for (int frame = 1; frame <= 2; ++frame) {
        TGlyphBitmap* picture = Background(control_, names[frame - 1]);
        if (!picture || !picture->SetSize(kAdvTabWidth, kAdvTabHeight)) continue;
        const TMemoryDC dc = CompatibleDC(nullptr);
        if (!dc) continue;
        {
            const TSelection select = Select(dc.Get(), picture->Handle());
            const RECT all{0, 0, kAdvTabWidth, kAdvTabHeight};
            // What the strip leaves transparent shows the face the control is filled with.
            FillColour(dc.Get(), all, face);
            TSliceOptions o;
            o.FrameCount = 5;
            o.FrameIndex = frame;
            o.Tile = tabs->Tile == 1;
            o.LeftWidth = tabs->LeftWidth;
            o.TopHeight = tabs->TopHeight;
            o.RightWidth = tabs->RightWidth;
            o.BottomHeight = tabs->BottomHeight;
            DrawNineSlice(dc.Get(), all, tabs->Image, o, tabs->Trans != 0);
        }
        GdiFlush();
        picture->Changed();
    }
}

void TSkinAdvPage::ClearBackgrounds() {
    if (!control_) return;
    for (const char* name : {"TabBackGround", "TabBackGroundActive"})
        if (TGlyphBitmap* picture = Background(control_, name)) picture->SetSize(0, 0);
}

void TSkinAdvPage::DrawSkin(HDC, const RECT&) {
    // The control draws itself from the backgrounds; only its scroll arrows are ours.
    HWND arrows = FindWindowExW(Handle(), nullptr, UPDOWN_CLASSW, nullptr);
    if (!arrows || !skinData_ || !form_) return;
    if (arrows_ && arrows_->Handle() == arrows && arrows_->Attached()) return;
    arrows_ = std::make_unique<TSkinUpDown>();
    arrows_->AttachWindow(arrows, *skinData_, *form_);
}

}  // namespace tw
