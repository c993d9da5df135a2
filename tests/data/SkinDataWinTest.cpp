// The Windows side of the skin model: DIB-section bitmaps under GDI, gradient fills into a DC,
// wide text, the component's system resources and the built-in bitmap resources.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "framework/win/Handles.h"
#include "skin/data/BitmapRoutines.h"
#include "skin/data/BitmapRoutinesWin.h"
#include "skin/data/BuiltinBitmaps.h"
#include "skin/data/SkinData.h"
#include "skin/manage/SkinManage.h"
#include "skin/package/SkinStore.h"
#include "tests/data/SkinTestKit.h"

namespace tw {
namespace {

// A memory DC with a bitmap selected, restored and freed on scope exit.
class TSelectedBitmap {
public:
    explicit TSelectedBitmap(const TBitmap& bitmap)
        : dc_(CompatibleDC(nullptr)), selection_(Select(dc_.Get(), static_cast<HBITMAP>(bitmap.Handle()))) {}
    HDC dc() const { return dc_.Get(); }

private:
    TMemoryDC dc_;  // first, so that the selection ends before the DC goes
    TSelection selection_;
};

TEST(BitmapWin, GdiDrawsIntoTheSameRowsThePortableCodeReads) {
    TBitmap b(8, 4);
    ASSERT_NE(nullptr, b.Handle());
    b.SetPixel(1, 1, RGBColor(10, 20, 30));
    {
        TSelectedBitmap selected(b);
        EXPECT_EQ(RGB(10, 20, 30), GetPixel(selected.dc(), 1, 1));
        SetPixel(selected.dc(), 6, 3, RGB(200, 100, 50));
        GdiFlush();
    }
    EXPECT_EQ(RGBColor(200, 100, 50), b.Pixel(6, 3));
}

TEST(BitmapWin, GradientFillPaintsOnlyRowsInsideTheClipBox) {
    ResetRampCache();
    TBitmap full(6, 20), clipped(6, 20);
    clipped.Fill(kColorMagenta);
    const RECT rect{0, 0, 6, 20};
    {
        TSelectedBitmap selected(full);
        GradientFill(selected.dc(), rect, RGBColor(0, 0, 0), true, RGBColor(190, 95, 38));
        GdiFlush();
    }
    {
        TSelectedBitmap selected(clipped);
        const TRegionHandle clip(CreateRectRgn(0, 5, 6, 9));
        SelectClipRgn(selected.dc(), clip.Get());  // the DC keeps a copy
        GradientFill(selected.dc(), rect, RGBColor(0, 0, 0), true, RGBColor(190, 95, 38));
        GdiFlush();
    }
    for (int y = 0; y < 20; ++y) {
        const bool visible = y >= 5 && y < 9;
        EXPECT_EQ(visible ? full.Pixel(3, y) : kColorMagenta, clipped.Pixel(3, y)) << y;
    }
    // Row 19 is the last ramp entry.
    EXPECT_EQ(RGBColor(190, 95, 38), full.Pixel(0, 19));
    const RECT empty{0, 0, 6, 0};
    TSelectedBitmap selected(clipped);
    GradientFill(selected.dc(), empty, 0, true, 0xFFFFFF);  // nothing, and no failure
    ResetRampCache();
}

TEST(BitmapWin, WideText) {
    EXPECT_EQ(L"Skin 42", AnsiToWide("Skin 42"));
    EXPECT_EQ(L"", AnsiToWide(""));
    TBitmap b(200, 40);
    TSelectedBitmap selected(b);
    RECT r{0, 0, 200, 40};
    EXPECT_GT(DrawTextWide(selected.dc(), L"\x7ACB\x5373 Convert", r, DT_SINGLELINE | DT_CALCRECT), 0);
    EXPECT_GT(r.right, 0);
}

TEST(SkinDataWin, BuiltinBitmapsComeFromTheProgramResources) {
    // This test program links the resource object, so the module carries them.
    EXPECT_NE(nullptr, FindResourceW(GetModuleHandleW(nullptr), L"THALORMENU", MAKEINTRESOURCEW(2)));
    EXPECT_TRUE(BuiltinMenuGlyphBitmap().SamePixels(DrawnMenuGlyphBitmap()));
    EXPECT_TRUE(BuiltinTrackBitmap().SamePixels(DrawnTrackBitmap()));
    EXPECT_TRUE(BuiltinTrackVertBitmap().SamePixels(DrawnTrackVertBitmap()));
}

TEST(SkinDataWin, ComponentHoldsItsSystemResources) {
    FreeSkinManager();
    SetSkinManagerTimerFactory([] { return std::make_unique<TManualTimer>(); });
    {
        TSkinData d(nullptr);
        EXPECT_NE(nullptr, d.FMenuGlyphs());
        EXPECT_EQ(4, ImageList_GetImageCount(static_cast<HIMAGELIST>(d.FMenuGlyphs())));
        EXPECT_EQ(GetSystemMetrics(SM_CXMAXIMIZED), d.FMaxWidth);
        d.BeginLoading();
        d.EndLoading();
        EXPECT_NE(nullptr, d.FCaptionFont());
        TSkinStore store(nullptr);
        test::TSkinKit kit;
        kit.Ini("[Colours]\nButtonFace=1,2,3\n");
        const std::vector<uint8_t> package = kit.Package();
        store.Store()->Add()->Data().Write(package.data(), package.size());
        d.LoadFromStore(&store, 0);
        HBRUSH brush = static_cast<HBRUSH>(d.FFaceBrush());
        ASSERT_NE(nullptr, brush);
        LOGBRUSH info{};
        ASSERT_EQ(static_cast<int>(sizeof(info)), GetObjectW(brush, sizeof(info), &info));
        EXPECT_EQ(RGB(1, 2, 3), info.lbColor);
    }
    FreeSkinManager();
    SetSkinManagerTimerFactory({});
}

TEST(SkinDataWin, WindowTimerRunsTheManagerActionFromTheMessageLoop) {
    FreeSkinManager();
    SetSkinManagerTimerFactory({});
    {
        TSkinData d(nullptr);
        int changed = 0;
        d.OnSkinChanged = [&](TObject*) { ++changed; };
        TSkinManage& m = *EnsureSkinManager();
        m.AddSkinData(&d);
        m.FActivation = 1;
        m.FPendingData = &d;
        m.Request(saDeactivate, 30);
        const DWORD until = GetTickCount() + 3000;
        MSG msg;
        while (changed == 0 && GetTickCount() < until) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            Sleep(5);
        }
        EXPECT_EQ(1, changed);
        EXPECT_FALSE(m.Timer().Enabled());
        m.RemoveSkinData(&d);
    }
    FreeSkinManager();
}

}  // namespace
}  // namespace tw
