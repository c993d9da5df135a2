// Scroll bar controls, track bars and scrolled memos on real windows under Wine: every control
// gets its skinner; the panels of a memo and of a scroll bar control go with the control itself,
// before any sweep; a scroll bar control turned vertical keeps a panel over its new window,
// drawn upright; a skin change repaints a track bar without taking the focus from where it
// is; and a vertical track bar shows its channel image upright, read from its pixels.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/win/Forms.h"
#include "framework/win/Handles.h"
#include "framework/win/ScrollBar.h"
#include "framework/win/ScrolledControls.h"
#include "framework/win/TrackBar.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/WinSkinForm.h"
#include "tests/controls/SkinnerTest.h"

namespace tw {
namespace {

LRESULT CALLBACK CountFocusLoss(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (msg == WM_KILLFOCUS) ++*reinterpret_cast<int*>(data);
    return DefSubclassProc(wnd, msg, wParam, lParam);
}

class BarsSkinnerTest : public TSkinnerTest {
protected:
    struct TBarsForm {
        explicit TBarsForm(TComponent* owner) : form(new TForm(owner)) {
            form->SetClientWidth(420);
            form->SetClientHeight(260);
            memo = new TMemo(form);
            memo->SetParent(form);
            memo->SetBounds(8, 8, 160, 90);
            memo->SetScrollBars(TScrollStyle::ssBoth);
            std::vector<std::wstring> lines;
            for (int i = 0; i < 40; ++i)
                lines.push_back(L"A line of the memo, long enough to scroll sideways " + std::to_wstring(i));
            memo->SetLines(lines);
            bar = new TScrollBar(form);
            bar->SetParent(form);
            bar->SetBounds(8, 110, 200, 17);
            bar->SetPageSize(10);
            track = new TTrackBar(form);
            track->SetParent(form);
            track->SetOrientation(TTrackBarOrientation::trVertical);
            track->SetBounds(220, 8, 40, 220);
            edit = new TEdit(form);
            edit->SetParent(form);
            edit->SetBounds(8, 140, 120, 22);
            form->HandleNeeded();
        }
        ~TBarsForm() { delete form; }
        TForm* form;
        TMemo* memo;
        TScrollBar* bar;
        TTrackBar* track;
        TEdit* edit;
    };
};

TEST_F(BarsSkinnerTest, PanelsFollowTheControlTheyDrawForAndGoWithIt) {
    auto data = Skin(2);
    ASSERT_TRUE(data->VertScroll && !data->VertScroll->Image.Empty());
    TBarsForm sample(app_);
    TWinSkinForm skinner(sample.form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), sample.form);
    ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
    skinner.ActivateNow();
    Pump();
    for (TWinControl* c : {static_cast<TWinControl*>(sample.memo), static_cast<TWinControl*>(sample.bar),
                           static_cast<TWinControl*>(sample.track)})
        EXPECT_EQ(1, SendMessageW(c->Handle(), SKM_QUERY, 0, 0)) << c->ClassName();
    // The bar's skinner, with its panel shown right over the bar's window of the moment.
    auto covering = [&](const char* when) -> TSkinScControl* {
        TSkinScControl* sc = SkinnerOf<TSkinScControl>(skinner, sample.bar->Handle());
        if (!sc || !sc->Panel() || !sc->Panel()->Shown()) {
            ADD_FAILURE() << "no panel shown over the scroll bar control " << when;
            return nullptr;
        }
        RECT panel{}, control{};
        GetWindowRect(sc->Panel()->Handle(), &panel);
        GetWindowRect(sample.bar->Handle(), &control);
        EXPECT_TRUE(EqualRect(&panel, &control)) << "the panel does not cover the scroll bar control " << when;
        return sc;
    };
    ASSERT_NE(nullptr, covering("at first"));
    EXPECT_EQ(3, PanelsUnder(sample.form->Handle()));

    // A new kind makes a new window, moved upright beside the memo: the panel follows it.
    sample.bar->SetKind(TScrollBarKind::sbVertical);
    Pump();
    sample.bar->SetBounds(380, 8, 17, 200);
    Pump();
    ASSERT_TRUE(GetWindowLongPtrW(sample.bar->Handle(), GWL_STYLE) & SBS_VERT);
    EXPECT_EQ(1, Query(sample.bar->Handle()));
    TSkinScControl* sc = covering("turned vertical");
    ASSERT_NE(nullptr, sc);
    EXPECT_TRUE(sc->Panel()->Vertical());
    EXPECT_EQ(3, PanelsUnder(sample.form->Handle())) << "the old window's panel stayed";
    {
        // Drawn upright: the track runs down the bar's middle column, far below one bar
        // thickness, where a bar drawn lying would leave the face.
        const TWindowDC screen = ClientDC(nullptr);
        const TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 17, 200));
        TBitmapDC dc(screen.Get(), bitmap.Get());
        ASSERT_TRUE(dc);
        SendMessageW(sc->Panel()->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
        const COLORREF face = ColorToRGB(ResolveColor(data->Colours.ButtonFace));
        int drawn = 0;
        for (int y = 40; y < 160; ++y) drawn += GetPixel(dc.Get(), 8, y) != face;
        EXPECT_GT(drawn, 60) << "the bar's middle is left in the face colour";
    }

    // The framework controls go (their windows with them): their panels leave at once.
    delete sample.memo;
    EXPECT_EQ(1, PanelsUnder(sample.form->Handle())) << "the memo's panels outlived it";
    delete sample.bar;
    EXPECT_EQ(0, PanelsUnder(sample.form->Handle())) << "the scroll bar control's panel outlived it";
    skinner.SweepSkinners();
    skinner.Detach();
}

TEST_F(BarsSkinnerTest, ASkinChangeRepaintsATrackBarWithoutMovingTheFocus) {
    auto data = Skin(2);
    TBarsForm sample(app_);
    TWinSkinForm skinner(sample.form->Handle(), nullptr);
    skinner.AttachToForm(data.get(), sample.form);
    ShowWindow(sample.form->Handle(), SW_SHOW);
    SetForegroundWindow(sample.form->Handle());
    skinner.ActivateNow();
    Pump();
    SetFocus(sample.edit->Handle());
    Pump();
    ASSERT_EQ(sample.edit->Handle(), GetFocus());
    TSkinTrackBar* track = SkinnerOf<TSkinTrackBar>(skinner, sample.track->Handle());
    ASSERT_NE(nullptr, track);
    int losses = 0;
    SetWindowSubclass(sample.edit->Handle(), &CountFocusLoss, 1, reinterpret_cast<DWORD_PTR>(&losses));
    track->SkinChanged();
    Pump();
    EXPECT_EQ(0, losses) << "the edit lost the focus while the track bar was repainted";
    EXPECT_EQ(sample.edit->Handle(), GetFocus());
    RemoveWindowSubclass(sample.edit->Handle(), &CountFocusLoss, 1);
    skinner.Detach();
}

TEST_F(BarsSkinnerTest, AVerticalTrackBarShowsItsChannelUpright) {
    for (int index = 0; index < 5; ++index) {
        auto data = Skin(index);
        const TDataSkinObject* image = data->TrackVert && !data->TrackVert->Image.Empty() ? data->TrackVert.get()
                                                                                          : data->Track.get();
        if (!image || image->Image.Empty()) continue;
        TBarsForm sample(app_);
        TWinSkinForm skinner(sample.form->Handle(), nullptr);
        skinner.AttachToForm(data.get(), sample.form);
        ShowWindow(sample.form->Handle(), SW_SHOWNOACTIVATE);
        skinner.ActivateNow();
        Pump();
        HWND bar = sample.track->Handle();
        ASSERT_EQ(1, SendMessageW(bar, SKM_QUERY, 0, 0));
        RECT client{};
        GetClientRect(bar, &client);
        // The bar painted into a bitmap of ours: what the skinner drew, whatever covers the screen.
        const TWindowDC screen = ClientDC(nullptr);
        const TBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
        TBitmapDC dc(screen.Get(), bitmap.Get());
        ASSERT_TRUE(dc);
        SendMessageW(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT | PRF_ERASEBKGND);
        RECT reported{};
        SendMessageW(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&reported));
        // Upright: tall and narrow, whichever way the system told it.
        RECT channel = reported;
        if (channel.right - channel.left > channel.bottom - channel.top)
            channel = RECT{reported.top, reported.left, reported.bottom, reported.right};
        const int x = (channel.left + channel.right) / 2;
        const COLORREF face = ColorToRGB(ResolveColor(data->Colours.ButtonFace));
        // The channel's middle rows show the image's middle column all the way down, below the
        // thumb (at position 0, at the top); beside the channel the face shows.
        TBitmapDC source(dc.Get(), image->Image);
        const int imageWidth = image->Image.Width(), imageHeight = image->Image.Height();
        const int sx = (channel.right - channel.left) > imageWidth ? imageWidth / 2 : x - channel.left;
        const COLORREF middle = GetPixel(source.Get(), sx,
                                         image->TopHeight + (imageHeight - image->TopHeight - image->BottomHeight) / 2);
        int drawn = 0, rows = 0;
        for (int y = channel.top + (channel.bottom - channel.top) / 2; y < channel.bottom - image->BottomHeight - 2;
             ++y, ++rows)
            drawn += GetPixel(dc.Get(), x, y) == middle;
        ASSERT_GT(rows, 20) << "skin " << index;
        EXPECT_EQ(rows, drawn) << "skin " << index << ": the lower half of the channel is not the image's middle";
        EXPECT_EQ(face, GetPixel(dc.Get(), 1, (channel.top + channel.bottom) * 3 / 4))
            << "skin " << index << ": the channel spreads across the bar";
        skinner.Detach();
    }
}

}  // namespace
}  // namespace tw
