// Tab sets and the page control handed its tab backgrounds, on a skinned form under Wine: under
// every built-in skin the tab set, its scroll arrows and the page control are skinned; the
// backgrounds are frames 1 and 2 of the skin's Tabs strip composed at 100 x 21 over the face,
// composed again from a new skin and gone when the skin is; the selected tab of a tab set hangs
// lower than the others, and follows a click; a tab set too narrow for its tabs shows each tab
// whole beside its arrows, which scroll until the last tab shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/win/BackdropPageControl.h"
#include "framework/win/Forms.h"
#include "framework/win/Graphics.h"
#include "framework/win/Handles.h"
#include "framework/win/TabSet.h"
#include "skin/controls/SkinAdvPage.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/NineSlice.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/WinSkinForm.h"
#include "tests/controls/SkinnerTest.h"

namespace tw {
namespace {

// How many pixels of the picture differ from frame `frame` of the skin's Tabs strip composed at
// its size, magenta showing the face where the strip is transparent.
int DifferingPixels(const TGlyphBitmap& picture, const TSkinData& data, int frame) {
    const TDataSkinBorder& tabs = *data.Tabs;
    const TBitmap expected = ComposeNineSlice(picture.Width(), picture.Height(), tabs.Image,
                                              SliceOptionsOf(tabs, 5, frame));
    const COLORREF face = ColorToRGB(ResolveColor(data.Colours.ButtonFace));
    const TMemoryDC dc = CompatibleDC(nullptr);
    const TSelection select = Select(dc.Get(), picture.Handle());
    int differing = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            COLORREF want = static_cast<COLORREF>(expected.Pixel(x, y));
            if (tabs.Trans != 0 && want == RGB(255, 0, 255)) want = face;
            if (GetPixel(dc.Get(), x, y) != want) ++differing;
        }
    return differing;
}

// The tab set's picture as its skinner paints it.
TBitmapHandle Print(HWND wnd, int width, int height) {
    const TWindowDC screen = ClientDC(nullptr);
    TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    const TMemoryDC dc = CompatibleDC(screen.Get());
    const TSelection select = Select(dc.Get(), bitmap.Get());
    SendMessageW(wnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    return bitmap;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    const TMemoryDC dc = CompatibleDC(nullptr);
    const TSelection select = Select(dc.Get(), bitmap);
    return GetPixel(dc.Get(), x, y);
}

// What the screen shows of a window.
TBitmapHandle ScreenOf(HWND wnd, int width, int height) {
    RECT r{};
    GetWindowRect(wnd, &r);
    const TWindowDC screen = ClientDC(nullptr);
    TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    const TMemoryDC dc = CompatibleDC(screen.Get());
    const TSelection select = Select(dc.Get(), bitmap.Get());
    BitBlt(dc.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
    return bitmap;
}

// How many pixels of the tab set's laid tabs (the selected one with its spread) the screen
// shows other than the skinner painted them: the arrows cover those.
int HiddenTabPixels(TTabSet& set, int width, int height) {
    UpdateWindow(set.Handle());
    const TBitmapHandle painted = Print(set.Handle(), width, height);
    const TBitmapHandle seen = ScreenOf(set.Handle(), width, height);
    const TMemoryDC a = CompatibleDC(nullptr), b = CompatibleDC(nullptr);
    const TSelection pa = Select(a.Get(), painted.Get()), pb = Select(b.Get(), seen.Get());
    int hidden = 0;
    for (const TTabSetTab& tab : set.Layout())
        for (int x = std::max(0, tab.Left - kTabSetSelectedSpread); x < tab.Right + kTabSetSelectedSpread; ++x)
            for (int y = 0; y < height; ++y) hidden += GetPixel(a.Get(), x, y) != GetPixel(b.Get(), x, y);
    return hidden;
}

class TabSetSkinTest : public TSkinnerTest {};

TEST_F(TabSetSkinTest, TabSetsAndHandedBackgroundsFollowTheSkin) {
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE("skin " + std::to_string(index));
        auto data = Skin(index);
        ASSERT_TRUE(data->Tabs && !data->Tabs->Image.Empty());
        auto* form = new TForm(app_);
        form->SetClientWidth(320);
        form->SetClientHeight(200);
        auto* set = new TTabSet(form);
        set->SetParent(form);
        set->SetBounds(10, 10, 300, 22);
        set->SetTabs({L"Sheet1", L"Sheet2", L"Sheet3"});
        auto* many = new TTabSet(form);
        many->SetParent(form);
        many->SetBounds(10, 40, 120, 22);
        many->SetTabs({L"Alpha", L"Beta", L"Gamma", L"Delta", L"Epsilon"});
        auto* pages = new TBackdropPageControl(form);
        pages->SetParent(form);
        pages->SetBounds(10, 70, 300, 100);
        for (const wchar_t* caption : {L"One", L"Two"}) {
            auto* sheet = new TTabSheet(form);
            sheet->SetParent(pages);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
        }
        ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
        {
            TWinSkinForm skinner(form->Handle(), nullptr);
            skinner.AttachToForm(data.get(), form);
            skinner.ActivateNow();
            Pump();
            ASSERT_TRUE(many->ArrowsShown());
            for (HWND wnd : {set->Handle(), many->Handle(), many->Scroller().Handle(), pages->Handle()})
                EXPECT_EQ(1, SendMessageW(wnd, SKM_QUERY, 0, 0)) << "window " << wnd;
            EXPECT_NE(nullptr, SkinnerOf<TSkinTab31>(skinner, set->Handle()));
            ASSERT_NE(nullptr, SkinnerOf<TSkinAdvPage>(skinner, pages->Handle()));

            // The handed backgrounds: frames 1 and 2 of the strip, pixel for pixel.
            ASSERT_TRUE(pages->PaintsOwnTabs());
            EXPECT_EQ(kAdvTabWidth, pages->TabBackGround().Width());
            EXPECT_EQ(kAdvTabHeight, pages->TabBackGroundActive().Height());
            EXPECT_EQ(0, DifferingPixels(pages->TabBackGround(), *data, 1));
            EXPECT_EQ(0, DifferingPixels(pages->TabBackGroundActive(), *data, 2));
            // A new skin in the same skin data: both composed from its strip.
            const int next = (index + 1) % 5;
            data->LoadFromStore(store_, next);
            skinner.ReapplySkin();
            Pump();
            EXPECT_EQ(0, DifferingPixels(pages->TabBackGround(), *data, 1)) << "after a change to skin " << next;
            EXPECT_EQ(0, DifferingPixels(pages->TabBackGroundActive(), *data, 2)) << "after a change to skin " << next;

            // The selected tab hangs lower than the others: at the row above the bottom edge
            // only the selected tab's column leaves the face.
            const COLORREF face = ColorToRGB(ResolveColor(data->Colours.ButtonFace));
            auto hangs = [&](int tab) {
                for (const TTabSetTab& t : set->Layout())
                    if (t.Index == tab) {
                        const TBitmapHandle picture = Print(set->Handle(), 300, 22);
                        return PixelOf(picture.Get(), (t.Left + t.Right) / 2, 22 - 2) != face;
                    }
                return false;
            };
            EXPECT_TRUE(hangs(0));
            EXPECT_FALSE(hangs(1));
            int second = 0;
            for (const TTabSetTab& t : set->Layout())
                if (t.Index == 1) second = (t.Left + t.Right) / 2;
            SendMessageW(set->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second, 10));
            SendMessageW(set->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(second, 10));
            Pump();
            EXPECT_EQ(1, set->TabIndex());
            EXPECT_FALSE(hangs(0));
            EXPECT_TRUE(hangs(1));

            // The narrow set: at each step of its arrows every tab it lays shows whole on the
            // screen, none under the arrows, and the last step shows the last tab.
            const HWND arrows = many->Scroller().Handle();
            RECT arrowRect{};
            GetClientRect(arrows, &arrowRect);
            const LPARAM right = MAKELPARAM(arrowRect.right - 3, arrowRect.bottom / 2);
            int steps = 0;
            for (;; ++steps) {
                Pump();
                EXPECT_EQ(0, HiddenTabPixels(*many, 120, 22)) << "first tab " << many->FirstIndex();
                const int before = many->FirstIndex();
                SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, right);
                SendMessageW(arrows, WM_LBUTTONUP, 0, right);
                if (many->FirstIndex() == before || steps > 5) break;
            }
            EXPECT_GT(steps, 0) << "the arrows did not scroll";
            const std::vector<TTabSetTab> last = many->Layout();
            ASSERT_FALSE(last.empty());
            EXPECT_EQ(many->TabCount() - 1, last.back().Index) << "the arrows stop before the last tab";
            many->SetFirstIndex(0);
            skinner.Detach();
        }
        // The skin gone, so are the backgrounds: the control draws its tabs the system's way.
        EXPECT_TRUE(pages->TabBackGround().Empty());
        EXPECT_TRUE(pages->TabBackGroundActive().Empty());
        EXPECT_NE(1, SendMessageW(many->Scroller().Handle(), SKM_QUERY, 0, 0));
        delete form;
    }
}

}  // namespace
}  // namespace tw
