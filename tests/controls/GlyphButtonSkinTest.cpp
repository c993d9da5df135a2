// Glyph, speed and menu buttons, radio groups and glyph-strip check boxes on a skinned form under
// Wine: under every built-in skin each gets its own skinner; a glyph button draws its glyph
// cell where the layout puts it, greyed when disabled without a disabled cell; a speed button
// is hot from its parent's mouse moves and shows the held-down cell while down; a radio
// group's buttons are skinned and a click sets its ItemIndex; glyph and speed buttons tagged 5555
// show their parent's picture behind them; a glyph-strip check box is handed
// the strip built from the skin's, again at a skin change, draws its box from it, and lets go of
// it at the end.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/win/BitBtn.h"
#include "framework/win/Forms.h"
#include "framework/win/GlyphCheckBox.h"
#include "framework/win/ImageList.h"
#include "framework/win/MenuButton.h"
#include "framework/win/RadioGroup.h"
#include "framework/win/SpeedButton.h"
#include "skin/controls/ButtonFrame.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinObjImage.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/WinSkinForm.h"
#include "tests/controls/SkinnerTest.h"
#include "tests/support/GuiObjectCount.h"

namespace tw {
namespace {

constexpr COLORREF kCellColours[] = {RGB(0, 160, 0), RGB(200, 0, 0), RGB(0, 0, 200), RGB(200, 200, 0)};

// A strip of `cells` solid cells of 16 by 16 in the colours above; the bottom-left pixel (the
// transparent colour) magenta.
void SolidStrip(TGlyphBitmap& glyph, int cells) {
    ASSERT_TRUE(glyph.SetSize(16 * cells, 16));
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    const TSelection selected = Select(dc.Get(), glyph.Handle());
    for (int i = 0; i < cells; ++i) {
        TBrushHandle brush(CreateSolidBrush(kCellColours[i]));
        const RECT r{16 * i, 0, 16 * i + 16, 16};
        FillRect(dc.Get(), &r, brush.Get());
    }
    SetPixel(dc.Get(), 0, 15, RGB(255, 0, 255));
    GdiFlush();
}

// What a paint of the window into a memory DC puts at the point.
class TCapture {
public:
    TCapture(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        HDC screen = GetDC(nullptr);
        bitmap_.Reset(CreateCompatibleBitmap(screen, width, height));
        ReleaseDC(nullptr, screen);
        selection_ = Select(dc_.Get(), bitmap_.Get());
    }
    HDC Dc() const { return dc_.Get(); }
    COLORREF At(POINT p) const { return GetPixel(dc_.Get(), p.x, p.y); }

private:
    TMemoryDC dc_;
    TBitmapHandle bitmap_;
    TSelection selection_;
};

template <class T>
T* SkinnerFor(TWinSkinForm& form, HWND wnd) {
    for (const auto& s : form.Skinners())
        if (s->Control() == wnd)
            if (auto* t = dynamic_cast<T*>(s.get())) return t;
    return nullptr;
}

TSkinSpeedButton* SpeedSkinnerFor(TWinSkinForm& form, TControl* button) {
    for (const auto& s : form.Skinners())
        if (auto* t = dynamic_cast<TSkinSpeedButton*>(s.get()); t && t->Graphic() == button) return t;
    return nullptr;
}

template <class T>
T* Place(TForm* form, int left, int top, int width, int height) {
    auto* control = new T(form);
    control->SetParent(form);
    control->SetBounds(left, top, width, height);
    return control;
}

class GlyphButtonSkinTest : public TSkinnerTest {};

TEST_F(GlyphButtonSkinTest, EveryButtonFamilyGetsItsSkinnerAndDrawsItsGlyph) {
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE("skin " + std::to_string(index));
        auto data = Skin(index);
        auto* form = new TForm(app_);
        form->SetClientWidth(420);
        form->SetClientHeight(240);
        auto* left = Place<TBitBtn>(form, 10, 10, 100, 30);
        left->SetCaption(L"Left");
        SolidStrip(left->Glyph(), 1);
        auto* greyed = Place<TBitBtn>(form, 120, 10, 100, 30);
        greyed->SetCaption(L"Greyed");
        SolidStrip(greyed->Glyph(), 1);
        greyed->SetEnabled(false);
        auto* ownCell = Place<TBitBtn>(form, 230, 10, 100, 30);
        ownCell->SetCaption(L"Own");
        SolidStrip(ownCell->Glyph(), 2);
        ownCell->Glyphs().NumGlyphs = 2;
        ownCell->SetEnabled(false);
        auto* top = Place<TBitBtn>(form, 10, 50, 80, 50);
        top->SetCaption(L"Top");
        SolidStrip(top->Glyph(), 1);
        top->Glyphs().Layout = TButtonLayout::blGlyphTop;
        TSpeedButton* speeds[2];
        for (int i = 0; i < 2; ++i) {
            speeds[i] = Place<TSpeedButton>(form, 100 + 30 * i, 60, 28, 28);
            SolidStrip(speeds[i]->Glyph(), 4);
            speeds[i]->Glyphs().NumGlyphs = 4;
            speeds[i]->SetGroupIndex(1);
        }
        speeds[1]->SetDown(true);
        auto* menuButton = Place<TMenuButton>(form, 170, 60, 100, 28);
        menuButton->SetCaption(L"Menu");
        auto* group = Place<TRadioGroup>(form, 10, 110, 300, 80);
        group->SetCaption(L"Group");
        group->SetColumns(2);
        group->SetItems({L"One", L"Two", L"Three"});
        group->SetItemIndex(0);
        ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
        {
            TWinSkinForm skinner(form->Handle(), nullptr);
            skinner.AttachToForm(data.get(), form);
            skinner.ActivateNow();
            for (TWinControl* c : {static_cast<TWinControl*>(left), static_cast<TWinControl*>(greyed),
                                   static_cast<TWinControl*>(menuButton), static_cast<TWinControl*>(group)})
                EXPECT_EQ(1, SendMessageW(c->Handle(), SKM_QUERY, 0, 0)) << c->ClassName();
            EXPECT_NE(nullptr, SkinnerFor<TSkinMenuButton>(skinner, menuButton->Handle()));
            EXPECT_NE(nullptr, SkinnerFor<TSkinGroupBox>(skinner, group->Handle()));
            for (int i = 0; i < group->ButtonCount(); ++i)
                EXPECT_NE(nullptr, SkinnerFor<TSkinRadioButton>(skinner, group->Buttons(i).Handle())) << "radio " << i;

            // Glyph buttons: the glyph's cell where the layout put it.
            struct Row {
                TBitBtn* button;
                bool grey;
                COLORREF colour;
            } rows[] = {{left, false, kCellColours[0]},
                        {top, false, kCellColours[0]},
                        {greyed, true, 0},
                        {ownCell, false, kCellColours[1]}};
            for (const Row& row : rows) {
                SCOPED_TRACE(row.button->Caption());
                auto* bit = SkinnerFor<TSkinBitButton>(skinner, row.button->Handle());
                ASSERT_NE(nullptr, bit);
                TCapture capture(row.button->Width(), row.button->Height());
                SendMessageW(row.button->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(capture.Dc()), PRF_CLIENT);
                const POINT at = bit->LastGlyphAt();
                ASSERT_GE(at.x, 0) << "no glyph drawn";
                const COLORREF pixel = capture.At(POINT{at.x + 8, at.y + 8});
                if (row.grey) {
                    EXPECT_TRUE(GetRValue(pixel) == GetGValue(pixel) && GetGValue(pixel) == GetBValue(pixel))
                        << std::hex << pixel;
                    // (0 + 160 + 0) / 3
                    EXPECT_EQ(53, GetRValue(pixel));
                } else {
                    EXPECT_EQ(row.colour, pixel) << std::hex << pixel;
                }
                EXPECT_NE(RGB(255, 0, 255), capture.At(POINT{at.x, at.y + 15})) << "the transparent corner shows";
            }
            const int leftX = SkinnerFor<TSkinBitButton>(skinner, left->Handle())->LastGlyphAt().x;
            const POINT topAt = SkinnerFor<TSkinBitButton>(skinner, top->Handle())->LastGlyphAt();
            EXPECT_LT(leftX, 30) << "a left glyph sits left of the middle";
            EXPECT_EQ((80 - 16 + 1) / 2, topAt.x) << "a top glyph is centred across";

            // Speed buttons: down shows the pressed frame and the held-down cell; the parent's
            // mouse moves make the other hot.
            TSkinSpeedButton* upSkin = SpeedSkinnerFor(skinner, speeds[0]);
            TSkinSpeedButton* downSkin = SpeedSkinnerFor(skinner, speeds[1]);
            ASSERT_TRUE(upSkin && downSkin);
            TCapture capture(28, 28);
            speeds[1]->Perform(WM_PAINT, reinterpret_cast<WPARAM>(capture.Dc()));
            EXPECT_EQ(bfPressed, downSkin->LastFaceFrame());
            EXPECT_EQ(4, downSkin->LastGlyphCell());
            EXPECT_EQ(kCellColours[3], capture.At(POINT{downSkin->LastGlyphAt().x + 8, downSkin->LastGlyphAt().y + 8}));
            SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(110, 70));
            EXPECT_TRUE(upSkin->MouseState() & msHot);
            speeds[0]->Perform(WM_PAINT, reinterpret_cast<WPARAM>(capture.Dc()));
            EXPECT_EQ(bfHot, upSkin->LastFaceFrame());
            SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(400, 230));
            EXPECT_FALSE(upSkin->MouseState() & msHot) << "moving off the button leaves it";
            // A click on the up one puts it down and the other up.
            SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 70));
            SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(110, 70));
            EXPECT_TRUE(speeds[0]->Down());
            EXPECT_FALSE(speeds[1]->Down());

            // A click on a radio group's button.
            HWND third = group->Buttons(2).Handle();
            SendMessageW(third, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
            SendMessageW(third, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
            Pump();
            EXPECT_EQ(2, group->ItemIndex());
            EXPECT_FALSE(group->Buttons(0).Checked());
        }
        Pump();
        delete form;
    }
}

TEST_F(GlyphButtonSkinTest, AGlyphButtonDrawsItsImageListPictureAndGreysItWhenDisabled) {
    auto data = Skin(1);
    auto* form = new TForm(app_);
    auto* images = new TImageList(form, 16, 16);
    TGlyphBitmap strip;
    SolidStrip(strip, 3);
    ASSERT_EQ(0, images->AddMasked(strip.Handle(), RGB(255, 0, 255)));
    ASSERT_EQ(3, images->Count());
    struct Row {
        int imageIndex, disabledIndex;
        bool enabled;
        COLORREF colour;
    } rows[] = {
        {1, -1, true, kCellColours[1]},
        {1, 0, false, RGB(53, 53, 53)},   // the disabled picture, greyed: (0 + 160 + 0) / 3
        {1, -1, false, RGB(66, 66, 66)},  // no disabled picture: the enabled one greyed, (200 + 0 + 0) / 3
        {2, -1, true, kCellColours[2]},
    };
    TBitBtn* buttons[4];
    for (int i = 0; i < 4; ++i) {
        buttons[i] = Place<TBitBtn>(form, 10, 10 + 34 * i, 100, 30);
        buttons[i]->SetCaption(L"Image");
        buttons[i]->SetImages(images);
        buttons[i]->SetImageIndex(rows[i].imageIndex);
        buttons[i]->SetDisabledIndex(rows[i].disabledIndex);
        buttons[i]->SetEnabled(rows[i].enabled);
    }
    ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
    {
        TWinSkinForm skinner(form->Handle(), nullptr);
        skinner.AttachToForm(data.get(), form);
        skinner.ActivateNow();
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE("row " + std::to_string(i));
            auto* bit = SkinnerFor<TSkinBitButton>(skinner, buttons[i]->Handle());
            ASSERT_NE(nullptr, bit);
            TCapture capture(100, 30);
            SendMessageW(buttons[i]->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(capture.Dc()), PRF_CLIENT);
            const POINT at = bit->LastGlyphAt();
            ASSERT_GE(at.x, 0) << "no picture drawn";
            EXPECT_EQ(rows[i].colour, capture.At(POINT{at.x + 8, at.y + 8}));
            EXPECT_NE(RGB(255, 0, 255), capture.At(POINT{at.x, at.y + 15})) << "the masked corner shows";
        }
    }
    Pump();
    delete form;
}

TEST_F(GlyphButtonSkinTest, AFlatSpeedButtonFollowsItsParentsMouse) {
    // Without any skin: the framework tells a windowless button when the mouse comes and goes.
    auto* form = new TForm(app_);
    auto* flat = Place<TSpeedButton>(form, 10, 10, 28, 28);
    flat->SetFlat(true);
    auto* other = Place<TSpeedButton>(form, 40, 10, 28, 28);
    ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
    SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_TRUE(flat->MouseInside());
    SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 20));
    EXPECT_FALSE(flat->MouseInside());
    EXPECT_TRUE(other->MouseInside());
    SendMessageW(form->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(other->MouseInside());
    delete form;
}

// A parent with a picture of its own: vertical stripes in two colours no skin uses, 4 pixels wide.
constexpr COLORREF kStripes[2] = {RGB(120, 60, 160), RGB(230, 200, 60)};
COLORREF StripeAt(int parentX) { return kStripes[(parentX / 4) % 2]; }
class TStripedPanel : public TPanel {
public:
    using TPanel::TPanel;

protected:
    void Paint(HDC dc) override {
        for (int x = 0; x < Width(); ++x) {
            TBrushHandle brush(CreateSolidBrush(StripeAt(x)));
            const RECT column{x, 0, x + 1, Height()};
            FillRect(dc, &column, brush.Get());
        }
    }
};

// Buttons tagged 5555 show their parent's picture behind them, each pixel the parent's own at that
// place: a flat speed button all round its glyph, a glyph button where the skin's button image is
// see-through. Untagged, the same buttons show the skin's face there and none of the picture.
TEST_F(GlyphButtonSkinTest, GlyphAndSpeedButtonsTagged5555ShowTheirParentsPictureBehindThem) {
    int skinsWithSeeThroughButtons = 0;
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE("skin " + std::to_string(index));
        auto data = Skin(index);
        auto* form = new TForm(app_);
        form->SetClientWidth(320);
        form->SetClientHeight(100);
        auto* picture = Place<TStripedPanel>(form, 0, 0, 320, 100);
        picture->SetBevelOuter(TBevelCut::bvNone);
        TSpeedButton* speeds[2];
        TBitBtn* bits[2];
        for (int tagged = 0; tagged < 2; ++tagged) {
            speeds[tagged] = new TSpeedButton(form);
            speeds[tagged]->SetParent(picture);
            speeds[tagged]->SetBounds(10 + 40 * tagged, 10, 28, 28);
            SolidStrip(speeds[tagged]->Glyph(), 4);
            speeds[tagged]->Glyphs().NumGlyphs = 4;
            speeds[tagged]->SetFlat(true);
            bits[tagged] = new TBitBtn(form);
            bits[tagged]->SetParent(picture);
            bits[tagged]->SetBounds(100 + 110 * tagged, 10, 100, 30);
            bits[tagged]->SetCaption(L"Glyph");
            SolidStrip(bits[tagged]->Glyph(), 1);
            if (tagged) {
                speeds[tagged]->SetTag(5555);
                bits[tagged]->SetTag(5555);
            }
        }
        ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
        {
            TWinSkinForm skinner(form->Handle(), nullptr);
            skinner.AttachToForm(data.get(), form);
            skinner.ActivateNow();
            const COLORREF face = ColorToRGB(ResolveColor(data->Colours.ButtonFace));
            // Pixels outside the glyph: how many are the parent's own there, the skin's face, any stripe.
            struct TAround {
                int parents = 0, faces = 0, stripes = 0, all = 0;
            };
            auto around = [&](const TCapture& capture, TControl& button, POINT glyph, int width, int height) {
                TAround a;
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x) {
                        if (x >= glyph.x && x < glyph.x + 16 && y >= glyph.y && y < glyph.y + 16) continue;
                        const COLORREF pixel = capture.At(POINT{x, y});
                        ++a.all;
                        a.parents += pixel == StripeAt(button.Left() + x);
                        a.faces += pixel == face;
                        a.stripes += pixel == kStripes[0] || pixel == kStripes[1];
                    }
                return a;
            };
            for (int tagged = 0; tagged < 2; ++tagged) {
                SCOPED_TRACE(tagged ? "tagged" : "untagged");
                TSkinSpeedButton* speed = SpeedSkinnerFor(skinner, speeds[tagged]);
                ASSERT_NE(nullptr, speed);
                TCapture capture(28, 28);
                speeds[tagged]->Perform(WM_PAINT, reinterpret_cast<WPARAM>(capture.Dc()));
                ASSERT_GE(speed->LastGlyphAt().x, 0) << "no glyph drawn";
                const TAround a = around(capture, *speeds[tagged], speed->LastGlyphAt(), 28, 28);
                if (tagged) {
                    EXPECT_EQ(a.all, a.parents) << "a flat speed button shows its parent all round its glyph";
                } else {
                    EXPECT_EQ(a.all, a.faces) << "an untagged flat speed button shows the skin's face";
                    EXPECT_EQ(0, a.stripes);
                }
            }
            auto* plainBit = SkinnerFor<TSkinBitButton>(skinner, bits[0]->Handle());
            auto* seeThroughBit = SkinnerFor<TSkinBitButton>(skinner, bits[1]->Handle());
            ASSERT_TRUE(plainBit && seeThroughBit);
            TCapture plainCapture(100, 30), seeThroughCapture(100, 30);
            SendMessageW(bits[0]->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(plainCapture.Dc()), PRF_CLIENT);
            SendMessageW(bits[1]->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(seeThroughCapture.Dc()),
                         PRF_CLIENT);
            // The two are drawn alike but for the background: where they differ, the tagged one
            // shows the parent's picture at that place and the plain one the skin's face.
            EXPECT_EQ(plainBit->LastGlyphAt().x, seeThroughBit->LastGlyphAt().x);
            int differ = 0, parents = 0, faces = 0;
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 100; ++x) {
                    const COLORREF mine = seeThroughCapture.At(POINT{x, y}), own = plainCapture.At(POINT{x, y});
                    if (mine == own) continue;
                    ++differ;
                    parents += mine == StripeAt(bits[1]->Left() + x);
                    faces += own == face;
                }
            EXPECT_EQ(differ, parents) << "the picture behind is the parent's at each place";
            EXPECT_EQ(differ, faces) << "the plain button shows the skin's face there";
            EXPECT_EQ(0, around(plainCapture, *bits[0], plainBit->LastGlyphAt(), 100, 30).stripes);
            if (differ > 0) ++skinsWithSeeThroughButtons;
        }
        Pump();
        delete form;
    }
    EXPECT_GT(skinsWithSeeThroughButtons, 0) << "no built-in skin has see-through button parts to test with";
}

TEST_F(GlyphButtonSkinTest, AGlyphStripCheckBoxIsHandedTheSkinsStripAndLetsGo) {
    auto data = Skin(0);
    auto* form = new TForm(app_);
    auto* check = Place<TGlyphCheckBox>(form, 10, 10, 120, 20);
    auto* radio = Place<TGlyphCheckBox>(form, 10, 40, 120, 20);
    auto* props = Place<TGlyphCheckBox>(form, 10, 70, 120, 20);
    // These three are attached by hand below, one of each kind; the fourth as the form finds it.
    for (TGlyphCheckBox* c : {check, radio, props}) c->SetTag(data->DisableTag);
    auto* found = Place<TGlyphCheckBox>(form, 10, 100, 120, 20);
    found->SetCaption(L"Found");
    ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
    const TDataSkinButton& buttons = *data->Buttons;
    ASSERT_FALSE(buttons.CheckImage.Empty());
    const int checkCell = buttons.CheckImage.Width() / (buttons.CheckButtonFrame < 1 ? 4 : buttons.CheckButtonFrame);
    const int radioCell = buttons.RadioImage.Width() / (buttons.RadioButtonFrame < 1 ? 4 : buttons.RadioButtonFrame);
    {
        TWinSkinForm skinner(form->Handle(), nullptr);
        skinner.AttachToForm(data.get(), form);
        skinner.ActivateNow();
        TSkinObjImage* images[3] = {};
        TGlyphCheckBox* controls[3] = {check, radio, props};
        for (int kind = 1; kind <= 3; ++kind) {
            auto image = std::make_unique<TSkinObjImage>();
            image->SetObjKind(kind);
            images[kind - 1] = image.get();
            skinner.AddSkinner(std::move(image));
            images[kind - 1]->AttachControl(skinner, *data, *controls[kind - 1], true);
            EXPECT_EQ(1, images[kind - 1]->Handovers()) << "kind " << kind;
        }
        EXPECT_EQ(9 * checkCell, check->CustomGlyphs().Width());
        EXPECT_EQ(buttons.CheckImage.Height(), check->CustomGlyphs().Height());
        EXPECT_EQ(6 * radioCell, radio->CustomGlyphs().Width());
        EXPECT_EQ(6 * checkCell, props->Properties().Glyph().Width());
        EXPECT_FALSE(props->Properties().Transparent());
        for (TGlyphCheckBox* c : {check, radio}) {
            EXPECT_TRUE(c->UseCustomGlyphs());
            EXPECT_EQ(16711935, c->TransparentColor());
            EXPECT_EQ(1, c->GlyphLoads());
        }
        // The one the form found takes the 9-cell strip and draws the cell of its state from it.
        auto* image = SkinnerFor<TSkinObjImage>(skinner, found->Handle());
        ASSERT_NE(nullptr, image);
        EXPECT_EQ(1, image->ObjKind());
        EXPECT_EQ(1, Query(found->Handle()));
        ASSERT_TRUE(found->UseCustomGlyphs());
        for (const bool checked : {false, true}) {
            SCOPED_TRACE(checked ? "checked" : "unchecked");
            found->SetChecked(checked);
            TCapture capture(120, 20);
            SendMessageW(found->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(capture.Dc()), PRF_CLIENT);
            TMemoryDC strip(CreateCompatibleDC(nullptr));
            const TSelection s = Select(strip.Get(), found->CustomGlyphs().Handle());
            const int cell = TGlyphCheckBox::StripCell(found->State(), false, true);
            EXPECT_EQ(checked ? 1 : 0, cell);
            const int cellHeight = found->CustomGlyphs().Height(), top = (20 - cellHeight) / 2;
            int compared = 0, same = 0;
            for (int y = 0; y < cellHeight; ++y)
                for (int x = 0; x < checkCell; ++x) {
                    const COLORREF want = GetPixel(strip.Get(), cell * checkCell + x, y);
                    if (want == RGB(255, 0, 255)) continue;
                    ++compared;
                    same += capture.At(POINT{x, top + y}) == want;
                }
            EXPECT_GT(compared, 0);
            EXPECT_EQ(compared, same) << "the box is the strip's cell";
        }
        // Target cell 3 is source cell 0: the same pixels.
        {
            TMemoryDC a(CreateCompatibleDC(nullptr));
            const TSelection s = Select(a.Get(), check->CustomGlyphs().Handle());
            for (int x = 0; x < checkCell; x += 3)
                EXPECT_EQ(GetPixel(a.Get(), x, 5), GetPixel(a.Get(), 3 * checkCell + x, 5)) << x;
        }
        data->LoadFromStore(store_, 1);
        for (const auto& s : skinner.Skinners()) s->SkinChanged();
        EXPECT_EQ(2, check->GlyphLoads()) << "a skin change hands the strip over again";
        EXPECT_EQ(2, images[1]->Handovers());
    }
    EXPECT_FALSE(check->UseCustomGlyphs()) << "letting go switches the strip off";
    EXPECT_FALSE(radio->UseCustomGlyphs());
    EXPECT_TRUE(props->Properties().Glyph().Empty());
    delete form;
}

TEST_F(GlyphButtonSkinTest, GdiAndWindowCountsStayFlatOverSkinSwitches) {
    auto data = Skin(0);
    auto* form = new TForm(app_);
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    auto* bit = Place<TBitBtn>(form, 10, 10, 100, 30);
    SolidStrip(bit->Glyph(), 1);
    bit->SetCaption(L"Glyph");
    auto* speed = Place<TSpeedButton>(form, 120, 10, 28, 28);
    SolidStrip(speed->Glyph(), 4);
    speed->Glyphs().NumGlyphs = 4;
    auto* menuButton = Place<TMenuButton>(form, 160, 10, 100, 28);
    menuButton->SetCaption(L"Menu");
    auto* group = Place<TRadioGroup>(form, 10, 50, 200, 60);
    group->SetItems({L"A", L"B"});
    auto* check = Place<TGlyphCheckBox>(form, 10, 120, 120, 20);
    ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
    TWinSkinForm skinner(form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), form);
    skinner.ActivateNow();
    auto image = std::make_unique<TSkinObjImage>();
    TSkinObjImage* raw = image.get();
    skinner.AddSkinner(std::move(image));
    raw->AttachControl(skinner, *data, *check, true);
    TCapture capture(300, 200);
    auto cycle = [&](int i) {
        data->LoadFromStore(store_, i % 5);
        for (const auto& s : skinner.Skinners()) s->SkinChanged();
        SendMessageW(bit->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(capture.Dc()), PRF_CLIENT);
        SendMessageW(menuButton->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(capture.Dc()), PRF_CLIENT);
        speed->Perform(WM_PAINT, reinterpret_cast<WPARAM>(capture.Dc()));
        UpdateWindow(form->Handle());
        Pump();
    };
    for (int i = 0; i < 10; ++i) cycle(i);
    test::TGuiObjectCount before, after;
    if (!test::CountGuiObjects(before)) GTEST_SKIP() << "no GDI handle table to read";
    for (int i = 0; i < 200; ++i) cycle(i);
    ASSERT_TRUE(test::CountGuiObjects(after));
    EXPECT_EQ(before.Gdi(), after.Gdi());
    EXPECT_EQ(before.Of(OBJ_BITMAP), after.Of(OBJ_BITMAP));
    EXPECT_EQ(before.Dcs(), after.Dcs());
    EXPECT_EQ(before.Windows, after.Windows);
    EXPECT_EQ(200 + 10 + 1, raw->Handovers());
    skinner.Detach();
    Pump();
    delete form;
}

}  // namespace
}  // namespace tw
