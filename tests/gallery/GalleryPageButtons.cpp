// The Buttons page: the framework's check boxes and radio buttons in each check state, enabled
// and disabled, glyph buttons of the standard kinds, with glyphs in each layout (one greyed
// for want of a disabled cell) and with image list pictures, speed buttons with and without glyphs (a group with one
// down, a flat one, a disabled one), a menu button whose menu's choice shows in a label, a radio group of two
// columns, glyph-strip check boxes, and glyph and speed buttons tagged to show the striped picture of
// their parent behind them.
#include "framework/win/BitBtn.h"
#include "framework/win/CheckBoxes.h"
#include "framework/win/GlyphCheckBox.h"
#include "framework/win/Handles.h"
#include "framework/win/ImageList.h"
#include "framework/win/MenuButton.h"
#include "framework/win/RadioGroup.h"
#include "framework/win/SpeedButton.h"
#include "tests/gallery/FrmGallery.h"
#include "tests/gallery/GalleryGlyphs.h"
#include "tests/gallery/GalleryPages.h"

namespace tw::gallery {

namespace {

// Buttons tagged so take their parent's image as their background.
constexpr int kParentImageTag = 5555;

// A panel that paints a picture of its own (vertical stripes in two colours no skin uses), so a
// control showing its parent's image behind it can be told from one showing the skin's face.
class TStripedPanel : public TPanel {
public:
    using TPanel::TPanel;
    static constexpr COLORREF kStripes[2] = {RGB(120, 60, 160), RGB(230, 200, 60)};
    static constexpr int kStripeWidth = 4;

protected:
    void Paint(HDC dc) override {
        RECT client{};
        GetClientRect(Handle(), &client);
        for (int x = 0; x < client.right; x += kStripeWidth) {
            TBrushHandle brush(CreateSolidBrush(kStripes[(x / kStripeWidth) % 2]));
            const RECT stripe{x, 0, x + kStripeWidth, client.bottom};
            FillRect(dc, &stripe, brush.Get());
        }
    }
};

TCheckBox& Check(TPageBuilder& b, const char* name, int top, const wchar_t* caption, TCheckBoxState state,
                 bool enabled) {
    TCheckBox& check = b.Make<TCheckBox>(b.Page(), name, {8, top, 150, 20});
    check.SetCaption(caption);
    check.SetAllowGrayed(state == TCheckBoxState::cbGrayed);
    check.SetState(state);
    check.SetEnabled(enabled);
    return check;
}

struct TGlyphButtonRow {
    const char* Name;
    const wchar_t* Caption;
    TButtonLayout Layout;
    int Cells;
    bool Enabled;
    TPlace Place;
};

void BuildGlyphButtons(TPageBuilder& b) {
    const TGlyphButtonRow rows[] = {
        {"bitGlyphLeft", L"Left", TButtonLayout::blGlyphLeft, 1, true, {452, 8, 84, 28}},
        {"bitGlyphRight", L"Right", TButtonLayout::blGlyphRight, 2, true, {544, 8, 84, 28}},
        {"bitGlyphTop", L"Top", TButtonLayout::blGlyphTop, 3, true, {452, 42, 84, 48}},
        {"bitGreyed", L"Greyed", TButtonLayout::blGlyphBottom, 1, false, {544, 42, 84, 48}},
    };
    for (const auto& row : rows) {
        TBitBtn& bit = b.Make<TBitBtn>(b.Page(), row.Name, row.Place);
        bit.SetCaption(row.Caption);
        PaintGlyphStrip(bit.Glyph(), row.Cells, 16, RGB(30, 140, 60));
        bit.Glyphs().NumGlyphs = row.Cells;
        bit.Glyphs().Layout = row.Layout;
        bit.SetEnabled(row.Enabled);
    }

    // Pictures of an image list: one enabled, one disabled (drawn greyed).
    auto* images = new TImageList(&b.Page(), 16, 16);
    TGlyphBitmap strip;
    PaintGlyphStrip(strip, 2, 16, RGB(190, 90, 20));
    images->AddMasked(strip.Handle(), RGB(255, 0, 255));
    for (int i = 0; i < 2; ++i) {
        TBitBtn& bit = b.Make<TBitBtn>(b.Page(), i == 0 ? "bitImage" : "bitImageOff", {452 + 92 * i, 98, 84, 28});
        bit.SetCaption(i == 0 ? L"Image" : L"Image off");
        bit.SetImages(images);
        bit.SetImageIndex(0);
        bit.SetEnabled(i == 0);
    }

    // Glyph speed buttons: a group of three with the middle one down, a flat one, a disabled one.
    const char* const names[] = {"spdGlyph1", "spdGlyph2", "spdGlyph3", "spdGlyphFlat", "spdGlyphOff"};
    for (int i = 0; i < 5; ++i) {
        TSpeedButton& speed = b.Make<TSpeedButton>(b.Page(), names[i], {8 + 30 * i, 176, 28, 28});
        PaintGlyphStrip(speed.Glyph(), 4, 16, RGB(40, 80, 200));
        speed.Glyphs().NumGlyphs = 4;
        if (i < 3) {
            speed.SetGroupIndex(2);
            speed.SetDown(i == 1);
        }
        speed.SetFlat(i == 3);
        speed.SetEnabled(i != 4);
    }
}

void BuildMenuAndGroup(TPageBuilder& b) {
    // Owned by the form, as everything the page makes: the form's skinner draws the items of the
    // form's own popup menus only.
    auto* menu = new TPopupMenu(&b.Form());
    TLabel& chosen = b.Label(b.Page(), "lblMenuChoice", {344, 214, 0, 0}, L"Menu choice: none");
    for (const wchar_t* item : {L"First choice", L"Second choice", L"Third choice"})
        menu->Items().Add(item, [&chosen](TMenuItem& i) { chosen.SetCaption(L"Menu choice: " + i.Caption()); });
    TMenuButton& button = b.Make<TMenuButton>(b.Page(), "mbtMenu", {344, 180, 110, 28});
    button.SetCaption(L"Menu");
    button.SetDropdownMenu(menu);
    TMenuButton& off = b.Make<TMenuButton>(b.Page(), "mbtMenuOff", {462, 180, 110, 28});
    off.SetCaption(L"No menu");
    off.SetEnabled(false);

    TRadioGroup& group = b.Make<TRadioGroup>(b.Page(), "rgpColumns", {8, 216, 320, 80});
    group.SetCaption(L"Radio group");
    group.SetColumns(2);
    group.SetItems({L"North", L"South", L"East", L"West"});
    group.SetItemIndex(2);
}

// Check boxes that take their box from a glyph strip they are handed, one checked, one not.
void BuildGlyphCheckBoxes(TPageBuilder& b) {
    for (int i = 0; i < 2; ++i) {
        TGlyphCheckBox& check = b.Make<TGlyphCheckBox>(b.Page(), i == 0 ? "gchUnchecked" : "gchChecked",
                                                       {172, 112 + 24 * i, 150, 20});
        check.SetCaption(i == 0 ? L"Strip, unchecked" : L"Strip, checked");
        check.SetChecked(i == 1);
    }
}

// A glyph button and a flat and a plain glyph speed button over a striped picture, tagged to show
// it behind them.
void BuildParentImageButtons(TPageBuilder& b) {
    TStripedPanel& picture = b.Make<TStripedPanel>(b.Page(), "pnlPicture", {344, 230, 284, 64});
    picture.SetBevelOuter(TBevelCut::bvNone);
    TBitBtn& bit = b.Make<TBitBtn>(picture, "bitOverPicture", {8, 14, 100, 36});
    bit.SetCaption(L"Picture");
    PaintGlyphStrip(bit.Glyph(), 1, 16, RGB(30, 140, 60));
    bit.SetTag(kParentImageTag);
    const char* const names[] = {"spdOverPicture", "spdFlatOverPicture"};
    for (int i = 0; i < 2; ++i) {
        TSpeedButton& speed = b.Make<TSpeedButton>(picture, names[i], {120 + 40 * i, 14, 36, 36});
        PaintGlyphStrip(speed.Glyph(), 4, 16, RGB(40, 80, 200));
        speed.Glyphs().NumGlyphs = 4;
        speed.SetFlat(i == 1);
        speed.SetTag(kParentImageTag);
    }
}

}  // namespace

void BuildButtonsPage(TPageBuilder& b) {
    Check(b, "chkUnchecked", 8, L"Unchecked", TCheckBoxState::cbUnchecked, true);
    Check(b, "chkChecked", 32, L"Checked", TCheckBoxState::cbChecked, true);
    Check(b, "chkGrayed", 56, L"Indeterminate", TCheckBoxState::cbGrayed, true);
    Check(b, "chkDisabled", 80, L"Disabled, checked", TCheckBoxState::cbChecked, false);
    Check(b, "chkLeftText", 104, L"Box on the right", TCheckBoxState::cbChecked, true)
        .SetAlignment(TAlignment::taLeftJustify);

    TGroupBox& radios = b.Group(b.Page(), "grpRadios", {170, 4, 160, 100}, L"Radio buttons");
    const wchar_t* const captions[] = {L"First", L"Second", L"Disabled"};
    const char* const names[] = {"rdoFirst", "rdoSecond", "rdoDisabled"};
    for (int i = 0; i < 3; ++i) {
        TRadioButton& radio = b.Make<TRadioButton>(radios, names[i], {10, 20 + 24 * i, 140, 20});
        radio.SetCaption(captions[i]);
        radio.SetChecked(i == 0);
        radio.SetEnabled(i != 2);
    }

    const TBitBtnKind kinds[] = {TBitBtnKind::bkOK, TBitBtnKind::bkCancel, TBitBtnKind::bkClose};
    const char* const bitNames[] = {"btnOK", "btnCancel", "btnClose"};
    for (int i = 0; i < 3; ++i) {
        TBitBtn& bit = b.Make<TBitBtn>(b.Page(), bitNames[i], {344, 8 + 32 * i, 96, 26});
        bit.SetKind(kinds[i]);
        bit.SetEnabled(i != 2);
    }

    const wchar_t* const speedCaptions[] = {L"A", L"B", L"C"};
    const char* const speedNames[] = {"spdA", "spdB", "spdC"};
    for (int i = 0; i < 3; ++i) {
        TSpeedButton& speed = b.Make<TSpeedButton>(b.Page(), speedNames[i], {8 + 30 * i, 136, 28, 28});
        speed.SetCaption(speedCaptions[i]);
        speed.SetGroupIndex(1);
        speed.SetDown(i == 1);
    }
    TSpeedButton& flat = b.Make<TSpeedButton>(b.Page(), "spdFlat", {104, 136, 56, 28});
    flat.SetCaption(L"Flat");
    flat.SetFlat(true);

    BuildGlyphButtons(b);
    BuildMenuAndGroup(b);
    BuildGlyphCheckBoxes(b);
    BuildParentImageButtons(b);
}

}  // namespace tw::gallery
