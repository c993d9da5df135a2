// The frame painter with the five built-in skins on real popup windows: which cell of each border
// strip lands where, active and inactive, minimised and too narrow for the margins; the window
// region against the painted pixels, its size cache and a part without pixels; the icon
// fallbacks; the caption text, its clip and ellipsis; and flat GDI counts over hundreds of
// paints, regions and skin switches.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/SkinResources.h"
#include "framework/win/Handles.h"
#include "skin/data/SkinData.h"
#include "skin/data/SystemInfo.h"
#include "skin/form/BitmapDC.h"
#include "skin/form/FramePainter.h"
#include "skin/form/SkinCaption.h"
#include "skin/form/TitleText.h"
#include "skin/package/SkinStore.h"
#include "tests/data/SkinTestKit.h"
#include "tests/support/GuiObjectCount.h"

namespace tw {
namespace {

constexpr TColor kGrey = RGBColor(90, 90, 90);
constexpr int kSkins = 5;
const wchar_t kPlainClass[] = L"TwFramePainterPlain";
const wchar_t kIconClass[] = L"TwFramePainterIcon";

std::string Hex(TColor c) {
    char text[16];
    snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c));
    return text;
}
#define EXPECT_COLOUR(expected, actual) EXPECT_EQ(Hex(expected), Hex(actual))

// A 16 x 16 icon in one colour whose right half is transparent.
TIconHandle HalfIcon(TColor colour) {
    TBitmap image(16, 16);
    image.Fill(colour);
    std::array<uint16_t, 16> maskRows{};
    maskRows.fill(0xFF00);  // bits set in the right half: transparent (byte order of each row)
    TBitmapHandle mask(CreateBitmap(16, 16, 1, 1, maskRows.data()));
    const TWindowDC screen = ClientDC(nullptr);
    TBitmapHandle colourBitmap(CreateCompatibleBitmap(screen.Get(), 16, 16));
    {
        const TBitmapDC source(screen.Get(), image);
        const TMemoryDC dc = CompatibleDC(screen.Get());
        const TSelection selected = Select(dc.Get(), colourBitmap.Get());
        BitBlt(dc.Get(), 0, 0, 16, 16, source.Get(), 0, 0, SRCCOPY);
    }
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = mask.Get();
    info.hbmColor = colourBitmap.Get();
    return TIconHandle(CreateIconIndirect(&info));
}

class FramePainterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        store_ = new TSkinStore(nullptr);
        LoadBuiltInSkins(*store_);
        for (int i = 0; i < kSkins; ++i) {
            skins_[i] = new TSkinData(nullptr);
            skins_[i]->LoadFromStore(store_, i);
        }
        classIcon_ = HalfIcon(RGBColor(220, 0, 0)).Release();
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kPlainClass;
        RegisterClassExW(&wc);
        wc.lpszClassName = kIconClass;
        wc.hIcon = wc.hIconSm = classIcon_;
        RegisterClassExW(&wc);
    }
    static void TearDownTestSuite() {
        for (auto*& s : skins_) {
            delete s;
            s = nullptr;
        }
        delete store_;
        UnregisterClassW(kPlainClass, GetModuleHandleW(nullptr));
        UnregisterClassW(kIconClass, GetModuleHandleW(nullptr));
        DestroyIcon(classIcon_);
    }

    void SetUp() override {
        for (int i = 0; i < kSkins; ++i) ASSERT_FALSE(skins_[i]->FNoSkin) << "built-in skin " << i << " did not load";
    }

    static TWindowHandle Popup(int w, int h, const wchar_t* text = L"", const wchar_t* cls = kPlainClass) {
        return TWindowHandle(CreateWindowExW(WS_EX_TOOLWINDOW, cls, text, WS_POPUP | WS_VISIBLE, 40, 40, w, h, nullptr,
                                             nullptr, GetModuleHandleW(nullptr), nullptr));
    }

    static TFrameView View(HWND window, const TSkinData& data, bool active = true, int show = ssNormal) {
        TFrameView v;
        v.Window = window;
        v.SkinData = &data;
        v.Active = active;
        v.ShowState = show;
        return v;
    }

    static inline TSkinStore* store_ = nullptr;
    static inline std::array<TSkinData*, kSkins> skins_{};
    static inline HICON classIcon_ = nullptr;
};

// A grey 24-bit picture of a window, painted through a memory DC.
class TPicture {
public:
    TPicture(int w, int h) : bitmap_(w, h), dc_(nullptr, bitmap_) { bitmap_.Fill(kGrey); }
    HDC Dc() const { return dc_.Get(); }
    TColor At(int x, int y) {
        GdiFlush();
        return bitmap_.Pixel(x, y);
    }
    const TBitmap& Bitmap() {
        GdiFlush();
        return bitmap_;
    }

private:
    TBitmap bitmap_;
    TBitmapDC dc_;
};

// Pixel (x, y) of cell `cell` of a border strip.
TColor CellPixel(const TDataSkinBorder& b, bool stacked, int cell, int x, int y) {
    const int n = std::max(1, b.FrameCount);
    if (stacked) return b.Image.Pixel(x, (cell - 1) * (b.Image.Height() / n) + y);
    return b.Image.Pixel((cell - 1) * (b.Image.Width() / n) + x, y);
}

TEST_F(FramePainterTest, EachPieceShowsItsStripCellInEveryStateAndSize) {
    const int w = 400, h = 300;
    const TWindowHandle window = Popup(w, h);
    for (int s = 0; s < kSkins; ++s) {
        const TSkinData& d = *skins_[s];
        TFramePainter painter;
        painter.ReadFrameMetrics(d, bkFixed);
        const TFrameMetrics m = painter.Metrics();
        ASSERT_GT(m.TitleHeight * m.BorderLeft * m.BorderRight * m.BorderBottom, 0) << s;
        const int lh = d.Left->Image.Height(), topCell = d.Top->Image.Width() / std::max(1, d.Top->FrameCount);
        // Unscaled corners of every piece: window point, strip, stacked, point in the cell.
        struct Sample {
            int wx, wy;
            const TDataSkinBorder* strip;
            bool stacked;
            int sx, sy;
        } const samples[] = {
            {0, 0, d.Left.get(), false, 0, 0},
            {m.BorderLeft - 1, h - 1, d.Left.get(), false, m.BorderLeft - 1, lh - 1},
            {w - 1, 1, d.Right.get(), false, m.BorderRight - 1, 1},
            {m.BorderLeft + 2, m.TitleHeight - 1, d.Top.get(), true, 2, m.TitleHeight - 1},
            {w - m.BorderRight - 1, m.TitleHeight / 2, d.Top.get(), true, topCell - 1, m.TitleHeight / 2},
            {m.BorderLeft + 1, h - 1, d.Bottom.get(), true, 1, m.BorderBottom - 1},
        };
        int differing = 0;
        for (bool active : {true, false}) {
            TPicture picture(w, h);
            painter.PaintFrame(View(window.Get(), d, active), picture.Dc());
            for (const Sample& p : samples) {
                const TColor expected = CellPixel(*p.strip, p.stacked, active ? 1 : 2, p.sx, p.sy);
                EXPECT_COLOUR(expected, picture.At(p.wx, p.wy))
                    << s << (active ? " active " : " inactive ") << p.wx << "," << p.wy;
                differing += expected != CellPixel(*p.strip, p.stacked, 1, p.sx, p.sy);
            }
            EXPECT_COLOUR(kGrey, picture.At(m.BorderLeft, m.TitleHeight)) << "the client is not painted";
        }
        EXPECT_GT(differing, 0) << "skin " << s << ": the samples cannot tell the frames apart";
        EXPECT_EQ(w, painter.FrameWidth());

        // A menu band is the face colour unless its painter draws it.
        const TColor face = ResolveColor(d.Colours.ButtonFace);
        painter.SetMenuHeight(20);
        TPicture banded(w, h);
        painter.PaintFrame(View(window.Get(), d), banded.Dc());
        EXPECT_COLOUR(face, banded.At(w / 2, m.TitleHeight + 10)) << s;
        RECT seen{}, band{m.BorderLeft, m.TitleHeight, w - m.BorderRight, m.TitleHeight + 20};
        painter.PaintMenuBand = [&](HDC, const RECT& r) { seen = r; };
        painter.PaintFrame(View(window.Get(), d), banded.Dc());
        EXPECT_TRUE(EqualRect(&band, &seen)) << s;
        painter.SetMenuHeight(0);

        // Minimised: the title strip from the window's left edge, the face colour below it.
        const int sw = 160, sh = m.TitleHeight + 6;
        const TWindowHandle small = Popup(sw, sh);
        TPicture strip(sw, sh);
        painter.PaintFrame(View(small.Get(), d, true, ssMinimised), strip.Dc());
        EXPECT_COLOUR(CellPixel(*d.Top, true, 1, 0, 0), strip.At(0, 0)) << s;
        EXPECT_COLOUR(CellPixel(*d.Top, true, 1, 3, m.TitleHeight - 1), strip.At(3, m.TitleHeight - 1)) << s;
        for (int x : {0, sw - 1}) EXPECT_COLOUR(face, strip.At(x, sh - 2)) << s;

        // Narrower than the title's margins: the centre alone fills the title.
        ASSERT_GT(d.Top->LeftWidth + d.Top->RightWidth, 4) << s;
        const int nw = m.BorderLeft + m.BorderRight + 4, y = m.TitleHeight / 2 + 1;
        const TWindowHandle narrow = Popup(nw, 200);
        TPicture thin(nw, 200);
        painter.PaintFrame(View(narrow.Get(), d), thin.Dc());
        for (int x = m.BorderLeft; x < nw - m.BorderRight; ++x)
            EXPECT_COLOUR(CellPixel(*d.Top, true, 1, topCell / 2, y), thin.At(x, y)) << s << " at " << x;

        // Nothing while the skinner is not running, nor for a frame without caption.
        TPicture untouched(sw, sh);
        TFrameView idle = View(small.Get(), d), bare = idle;
        idle.SkinState = 0;
        bare.BorderKind = bkNoCaption;
        painter.PaintFrame(idle, untouched.Dc());
        painter.PaintFrame(bare, untouched.Dc());
        EXPECT_COLOUR(kGrey, untouched.At(1, 1));
    }
}

// The window's region; none when it has none.
TRegionHandle RegionOf(HWND window) {
    TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, region.Get()) == ERROR) region.Reset();
    return region;
}
bool InRegion(HWND window, int x, int y) {
    const TRegionHandle region = RegionOf(window);
    return region && PtInRegion(region.Get(), x, y);
}
// Type and right edge of the window's region.
std::pair<int, int> Shape(HWND window) {
    const TRegionHandle region = RegionOf(window);
    RECT box{};
    return region ? std::pair{GetRgnBox(region.Get(), &box), int(box.right)} : std::pair{ERROR, 0};
}

TEST_F(FramePainterTest, RegionFollowsThePaintedPixelsAndIsKeptBySize) {
    const int w = 400, h = 300;
    int shaped = 0;
    for (int s = 0; s < kSkins; ++s) {
        const TSkinData& d = *skins_[s];
        const TWindowHandle window = Popup(w, h);
        TFramePainter painter;
        painter.ReadFrameMetrics(d, bkFixed);
        const TFrameView view = View(window.Get(), d);
        painter.BuildRegion(view, false);
        EXPECT_TRUE(painter.HasRegion());
        const bool transparent = d.Left->Trans == 1 || d.Right->Trans == 1 || d.Top->Trans == 1 || d.Bottom->Trans == 1;
        shaped += transparent;
        EXPECT_EQ(std::pair(transparent ? COMPLEXREGION : SIMPLEREGION, w), Shape(window.Get())) << s;

        // In the region exactly where the painted frame is not magenta: the corners whole, and
        // points along every edge.
        TPicture picture(w, h);
        painter.PaintFrame(view, picture.Dc());
        std::vector<std::pair<int, int>> points;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                points.insert(points.end(), {{x, y}, {w - 1 - x, y}, {x, h - 1 - y}, {w - 1 - x, h - 1 - y}});
        for (int x = 0; x < w; x += 37) points.insert(points.end(), {{x, 0}, {x, h - 1}, {x, h / 2}});
        for (int y = 0; y < h; y += 29) points.insert(points.end(), {{0, y}, {w - 1, y}});
        int outside = 0;
        for (auto [x, y] : points) {
            const bool keyed = picture.At(x, y) == kColorMagenta;
            outside += keyed;
            ASSERT_EQ(!keyed, InRegion(window.Get(), x, y)) << "skin " << s << " at " << x << "," << y;
        }
        EXPECT_EQ(transparent, outside > 0) << s;

        // Kept while the size stays, unless asked or re-applying; anew for a new size.
        SetWindowRgn(window.Get(), CreateRectRgn(0, 0, 10, 10), FALSE);
        painter.BuildRegion(view, false);
        EXPECT_EQ(10, Shape(window.Get()).second) << "the size cache";
        painter.BuildRegion(view, true);
        EXPECT_EQ(w, Shape(window.Get()).second);
        SetWindowRgn(window.Get(), CreateRectRgn(0, 0, 10, 10), FALSE);
        TFrameView reapplying = view;
        reapplying.SkinState = 3;
        painter.BuildRegion(reapplying, false);
        EXPECT_EQ(w, Shape(window.Get()).second);
        SetWindowPos(window.Get(), nullptr, 0, 0, w + 20, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        painter.BuildRegion(view, false);
        EXPECT_EQ(w + 20, Shape(window.Get()).second);
        painter.DropRegion(window.Get(), true);
        EXPECT_FALSE(painter.HasRegion());
        EXPECT_EQ(ERROR, Shape(window.Get()).first);
    }
    EXPECT_GE(shaped, 2) << "the built-in skins have shaped frames";
    EXPECT_LE(shaped, kSkins - 2) << "and rectangular ones";
}

TEST_F(FramePainterTest, ABorderWithoutPixelsLeavesTheOthersInTheRegion) {
    // Transparent borders of 4 pixels (the left one with a magenta corner pixel), a 10-pixel
    // title, and a bottom border that is magenta through and through.
    const TColor blue = RGBColor(0, 0, 200);
    test::TSkinKit kit;
    kit.Ini(
           "[Personality]\nLeft=l.bmp\nLeftFrame=1\nRight=r.bmp\nRightFrame=1\nTop=t.bmp\nTopFrame=1\n"
           "Bottom=b.bmp\nBottomFrame=1\n")
        .Bmp("l.bmp", test::Painted(4, 8, [&](int x, int y) { return x + y == 0 ? kColorMagenta : blue; }))
        .Bmp("r.bmp", test::Solid(4, 8, blue))
        .Bmp("t.bmp", test::Solid(8, 10, blue))
        .Bmp("b.bmp", test::Solid(8, 4, kColorMagenta));
    TSkinStore store(nullptr);
    const std::vector<uint8_t> package = kit.Package();
    store.Store()->Add()->Data().Write(package.data(), package.size());
    TSkinData d(nullptr);
    d.LoadFromStore(&store, 0);
    const TWindowHandle window = Popup(100, 80);
    TFramePainter painter;
    painter.ReadFrameMetrics(d, bkFixed);
    painter.BuildRegion(View(window.Get(), d), false);
    struct {
        int x, y;
        bool inside;
    } const points[] = {{0, 0, false}, {1, 0, true},   {2, 40, true}, {98, 40, true},
                        {50, 3, true}, {50, 40, true}, {2, 78, true}, {50, 78, false}};
    for (const auto& p : points) EXPECT_EQ(p.inside, InRegion(window.Get(), p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(FramePainterTest, IconComesFromTheWindowItsClassOrTheProgramNeverABlackSquare) {
    const TColor red = RGBColor(220, 0, 0), green = RGBColor(0, 180, 0);
    TFramePainter painter;
    const int cx = SmallIconWidth(), cy = SmallIconHeight();
    // The class's icon; its transparent half shows what lies under it.
    const TWindowHandle window = Popup(100, 60, L"", kIconClass);
    painter.RenderIcon(window.Get());
    ASSERT_EQ(cx, painter.IconBitmap().Width());
    TPicture over(40, 40);
    painter.DrawIcon(over.Dc(), RECT{10, 10, 40, 40});
    EXPECT_COLOUR(red, over.At(11, 10 + cy / 2));
    EXPECT_COLOUR(kGrey, over.At(10 + cx - 2, 10 + cy / 2));
    EXPECT_COLOUR(kGrey, over.At(9, 10 + cy / 2));
    // The window's own icon wins over its class's.
    const TIconHandle own = HalfIcon(green);
    SendMessageW(window.Get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(own.Get()));
    painter.RenderIcon(window.Get());
    EXPECT_EQ(green, painter.IconBitmap().Pixel(1, cy / 2));
    SendMessageW(window.Get(), WM_SETICON, ICON_SMALL, 0);

    // No icon anywhere near the window: the program's own, as the system draws it.
    const TWindowHandle bare = Popup(100, 60);
    painter.RenderIcon(bare.Get());
    ASSERT_FALSE(painter.IconBitmap().Empty()) << "a window without icon gets the program's";
    const TIconHandle program(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, cx, cy, 0)));
    TPicture ours(cx, cy), system(cx, cy);
    painter.DrawIcon(ours.Dc(), RECT{0, 0, cx, cy});
    DrawIconEx(system.Dc(), 0, 0, program.Get(), cx, cy, 0, nullptr, DI_NORMAL);
    int shown = 0;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
            const TColor a = ours.At(x, y), b = system.At(x, y);
            for (int shift : {0, 8, 16})
                ASSERT_NEAR(int((a >> shift) & 0xFF), int((b >> shift) & 0xFF), 2) << x << "," << y;
            shown += a != kGrey && a != 0;
        }
    EXPECT_GT(shown, cx * cy / 4);
}

// The pixels in which two pictures differ.
std::vector<std::pair<int, int>> Changed(TPicture& a, TPicture& b, int w, int h) {
    std::vector<std::pair<int, int>> out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (a.At(x, y) != b.At(x, y)) out.push_back({x, y});
    return out;
}

TEST_F(FramePainterTest, CaptionTextIsWrittenBetweenItsShiftAndClipInTheTitleColours) {
    const int w = 400, h = 120;
    const TSkinData& d = *skins_[2];
    const TDataSkinTitle& title = *d.Title;
    TFramePainter painter;
    painter.ReadFrameMetrics(d, bkFixed);
    TSkinCaption caption(nullptr);
    // The text's pixels, and their colours: the title painted with the add-on on against off.
    std::set<TColor> colours;
    auto ink = [&](const std::wstring& text, bool active) {
        const TWindowHandle window = Popup(w, h, text.c_str());
        TPicture plain(w, h), written(w, h);
        caption.SetActive(false);
        painter.PaintFrame(View(window.Get(), d, active), plain.Dc());
        caption.SetActive(true);
        painter.PaintFrame(View(window.Get(), d, active), written.Dc());
        const std::vector<std::pair<int, int>> changed = Changed(plain, written, w, h);
        colours.clear();
        for (auto [x, y] : changed) colours.insert(written.At(x, y));
        return changed;
    };
    for (bool active : {true, false}) {
        const auto pixels = ink(L"Tarnwick 5.0 \x7ACB\x5373\x8F6C\x6362", active);
        EXPECT_GT(pixels.size(), 60u);
        for (auto [x, y] : pixels) {
            ASSERT_GE(x, title.LeftWidth);
            ASSERT_LT(x, w - title.RightWidth);
            ASSERT_LT(y, painter.Metrics().TitleHeight);
        }
        EXPECT_EQ(1u, colours.count(ResolveColor(active ? title.ActiveText : title.InActiveText))) << active;
    }
    // Chinese glyphs, not one box for every character: two texts look different.
    const auto first = ink(L"\x7ACB\x5373", true), second = ink(L"\x8F6C\x6362", true);
    EXPECT_GT(first.size(), 20u);
    EXPECT_NE(first, second);

    // Too long: cut at the clip and ended by dots, where a short text ends in a full letter.
    auto end = [](const std::vector<std::pair<int, int>>& pixels) {
        int right = 0, top = 1000, bottom = -1;
        for (auto [x, y] : pixels) right = std::max(right, x);
        for (auto [x, y] : pixels)
            if (x > right - 6) top = std::min(top, y), bottom = std::max(bottom, y);
        return std::pair{right, bottom - top + 1};
    };
    const auto [shortRight, shortHeight] = end(ink(L"WWWW", true));
    const auto [longRight, longHeight] = end(ink(std::wstring(200, L'W'), true));
    EXPECT_GE(shortHeight, 6) << "a W is tall";
    EXPECT_LE(longHeight, 3) << "the ellipsis is a row of dots";
    EXPECT_LT(shortRight, longRight);
    EXPECT_LT(longRight, w - title.RightWidth) << "and no further";
    EXPECT_GT(longRight, w - title.RightWidth - 20) << "the long text runs up to the clip";

    caption.SetActive(false);
    EXPECT_FALSE(TitleTextPainter());
    {
        TSkinCaption other(nullptr);
        other.SetActive(true);
    }
    EXPECT_FALSE(TitleTextPainter()) << "a caption add-on takes its painter with it";
}

TEST_F(FramePainterTest, HundredsOfPaintsRegionsAndSkinSwitchesLeaveNoObjectBehind) {
    TSkinCaption caption(nullptr);
    caption.SetActive(true);
    const TWindowHandle window = Popup(400, 300, L"Tarnwick \x7ACB\x5373\x8F6C\x6362");
    TPicture picture(420, 310);
    TSkinData switching(nullptr);
    TFramePainter painter;
    painter.RenderIcon(window.Get());
    auto cycle = [&](int i, const TSkinData& d) {
        SetWindowPos(window.Get(), nullptr, 0, 0, 400 + 20 * (i % 2), 300 + 10 * (i % 2),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        painter.ReadFrameMetrics(d, bkFixed);
        painter.PaintFrame(View(window.Get(), d, i % 3 != 0), nullptr);
        painter.PaintFrame(View(window.Get(), d, i % 3 == 0, i % 7 == 0 ? ssMinimised : ssNormal), picture.Dc());
        painter.BuildRegion(View(window.Get(), d), i % 2 == 0);
        if (i % 10 == 0) painter.RenderIcon(window.Get());
        painter.DrawIcon(picture.Dc(), RECT{4, 4, 20, 20});
    };
    for (int i = 0; i < 2 * kSkins; ++i) cycle(i, *skins_[i % kSkins]);  // every size and skin once

    test::TGuiObjectCount before, after;
    ASSERT_TRUE(test::CountGuiObjects(before));
    for (int i = 0; i < 200; ++i) cycle(i, *skins_[i % kSkins]);
    ASSERT_TRUE(test::CountGuiObjects(after));
    EXPECT_EQ(before.ByType, after.ByType) << "200 paints and regions";
    EXPECT_EQ(before.Icons, after.Icons) << "icons are not copied for every paint";

    for (int i = 0; i < kSkins; ++i) {
        switching.LoadFromStore(store_, i);
        cycle(i, switching);
    }
    ASSERT_TRUE(test::CountGuiObjects(before));
    for (int i = 0; i < 200; ++i) {
        switching.LoadFromStore(store_, i % kSkins);
        cycle(i, switching);
    }
    ASSERT_TRUE(test::CountGuiObjects(after));
    EXPECT_EQ(before.ByType, after.ByType) << "200 skin switches";
    EXPECT_EQ(before.Icons, after.Icons);

    // The count would have seen one region left behind.
    const HRGN leaked = CreateRectRgn(0, 0, 4, 4);
    ASSERT_TRUE(test::CountGuiObjects(after));
    EXPECT_EQ(before.Of(OBJ_REGION) + 1, after.Of(OBJ_REGION));
    DeleteObject(leaked);
    painter.DropRegion(window.Get(), false);
}

}  // namespace
}  // namespace tw
