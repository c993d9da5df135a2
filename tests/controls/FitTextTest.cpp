// DrawFitText on a memory DC in the gallery's font (宋体, 12 px, GB2312): the ink of every
// caption stays inside the box its own measure gives, and the box is the one DrawTextW measures,
// so callers place captions and focus rectangles where they did.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/win/FitText.h"
#include "framework/win/Handles.h"

namespace tw {
namespace {

constexpr int kWidth = 420, kHeight = 80;

class FitTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        const TWindowDC screen = ClientDC(nullptr);
        dc_ = TMemoryDC(CreateCompatibleDC(screen.Get()));
        bitmap_ = TBitmapHandle(CreateCompatibleBitmap(screen.Get(), kWidth, kHeight));
        font_ = TFontHandle(CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体"));
        ASSERT_TRUE(dc_ && bitmap_ && font_);
        bitmapSelection_ = Select(dc_.Get(), bitmap_.Get());
        fontSelection_ = Select(dc_.Get(), font_.Get());
        SetBkMode(dc_.Get(), TRANSPARENT);
        SetTextColor(dc_.Get(), RGB(0, 0, 0));
    }
    void Clear() {
        const RECT all{0, 0, kWidth, kHeight};
        FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    // The bounding box of every pixel that is not white; empty when nothing was drawn.
    RECT Ink() const {
        RECT ink{kWidth, kHeight, 0, 0};
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (GetPixel(dc_.Get(), x, y) != RGB(255, 255, 255)) {
                    ink.left = std::min<LONG>(ink.left, x);
                    ink.top = std::min<LONG>(ink.top, y);
                    ink.right = std::max<LONG>(ink.right, x + 1);
                    ink.bottom = std::max<LONG>(ink.bottom, y + 1);
                }
        return ink;
    }
    HDC Dc() const { return dc_.Get(); }

private:
    TMemoryDC dc_;
    TBitmapHandle bitmap_;
    TFontHandle font_;
    TSelection bitmapSelection_, fontSelection_;
};

struct TCaptionCase {
    const wchar_t* Text;
    UINT Format;
    int Width = 300;  // of the box it is measured in
};

// Captions as the skinned group boxes, buttons, check boxes and labels draw them.
const TCaptionCase kCaptions[] = {
    {L"Labels and edit boxes", DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS},
    {L"Check boxes and radio buttons", DT_SINGLELINE | DT_NOPREFIX},
    {L"Combo boxes and progress", DT_SINGLELINE | DT_NOPREFIX | DT_TOP},
    {L"Radio two 单选", DT_WORDBREAK | DT_EXPANDTABS},
    {L"Edit 编辑", DT_SINGLELINE | DT_NOPREFIX},
    {L"立即转换", DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS},
    {L"Message box...", DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS},
    {L"&Open dialog...", DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS},
    {L"Save && e&xit", DT_WORDBREAK},
    {L"打开文件(&O)", DT_SINGLELINE},
    {L"Two\r\nlines 两行", DT_CENTER | DT_WORDBREAK},
    {L"Check boxes and radio buttons", DT_CENTER | DT_WORDBREAK, 100},
    {L"Folder browser... 浏览文件夹", DT_WORDBREAK | DT_EXPANDTABS, 60},
};

TEST_F(FitTextTest, InkStaysInsideTheMeasureAndTheMeasureIsDrawTextWs) {
    for (const TCaptionCase& c : kCaptions) {
        SCOPED_TRACE(testing::Message() << "caption " << testing::PrintToString(std::wstring(c.Text)));
        const std::wstring text = c.Text;
        RECT old{0, 0, c.Width, 0}, fit{0, 0, c.Width, 0};
        DrawTextW(Dc(), text.c_str(), static_cast<int>(text.size()), &old, c.Format | DT_CALCRECT);
        DrawFitText(Dc(), text, fit, c.Format | DT_CALCRECT);
        EXPECT_EQ(old.right, fit.right);
        EXPECT_EQ(old.bottom, fit.bottom);

        // Drawn unclipped into its measured box, as the group box and the glyph buttons do.
        RECT box = fit;
        OffsetRect(&box, 20, 10);
        Clear();
        RECT drawn = box;
        EXPECT_EQ(fit.bottom, DrawFitText(Dc(), text, drawn, c.Format | DT_NOCLIP));
        const RECT ink = Ink();
        ASSERT_LT(ink.left, ink.right) << "nothing drawn";
        EXPECT_GE(ink.left, box.left);
        EXPECT_GE(ink.top, box.top);
        EXPECT_LE(ink.right, box.right);
        EXPECT_LE(ink.bottom, box.bottom);

        // The first glyph starts where DrawTextW starts it. (Only for one line: drawing into
        // the box it measured, DrawTextW itself breaks a wrapped caption at other blanks.)
        TEXTMETRICW tm{};
        GetTextMetricsW(Dc(), &tm);
        if (fit.bottom > tm.tmHeight) continue;
        Clear();
        RECT reference = box;
        DrawTextW(Dc(), text.c_str(), static_cast<int>(text.size()), &reference, c.Format | DT_NOCLIP);
        const RECT oldInk = Ink();
        EXPECT_EQ(oldInk.left, ink.left);
        EXPECT_EQ(oldInk.top, ink.top);
    }
}

TEST_F(FitTextTest, AlignsWithinTheBoxAsDrawTextWDoes) {
    const std::wstring text = L"Labels 标签";
    RECT measured{0, 0, 0, 0};
    DrawFitText(Dc(), text, measured, DT_SINGLELINE | DT_CALCRECT);
    struct {
        UINT Format;
        int Left, Top;  // of the measured box inside {10, 5, 310, 40}
    } const cases[] = {
        {DT_LEFT | DT_TOP, 10, 5},
        {DT_CENTER | DT_VCENTER, (10 + 310 - measured.right) / 2, 5 + 35 / 2 - measured.bottom / 2},
        {DT_RIGHT | DT_BOTTOM, 310 - measured.right, 40 - measured.bottom},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << c.Format);
        Clear();
        RECT area{10, 5, 310, 40};
        DrawFitText(Dc(), text, area, c.Format | DT_SINGLELINE);
        const RECT ink = Ink();
        EXPECT_GE(ink.left, c.Left);
        EXPECT_LE(ink.right, c.Left + measured.right);
        EXPECT_GE(ink.top, c.Top);
        EXPECT_LE(ink.bottom, c.Top + measured.bottom);
        Clear();
        RECT reference{10, 5, 310, 40};
        DrawTextW(Dc(), text.c_str(), static_cast<int>(text.size()), &reference, c.Format | DT_SINGLELINE);
        EXPECT_EQ(Ink().left, ink.left);
        EXPECT_EQ(Ink().top, ink.top);
    }
}

TEST_F(FitTextTest, UnderlinesThePrefixedCharacterAndShortensWithAnEllipsis) {
    // "&O" underlines the O (no descender in "OK" reaches its row): one ink row more below the text than without the
    // prefix.
    Clear();
    RECT plain{10, 10, 300, 40};
    DrawFitText(Dc(), L"OK", plain, DT_SINGLELINE);
    const RECT plainInk = Ink();
    Clear();
    RECT prefixed{10, 10, 300, 40};
    DrawFitText(Dc(), L"&OK", prefixed, DT_SINGLELINE);
    const RECT prefixedInk = Ink();
    EXPECT_GT(prefixedInk.bottom, plainInk.bottom);
    EXPECT_EQ(prefixedInk.right, plainInk.right);
    Clear();
    RECT bare{10, 10, 300, 40};
    DrawFitText(Dc(), L"&OK", bare, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_GT(Ink().right, plainInk.right);  // the "&" shows

    // A long status text in a narrow panel ends in "..." inside the panel.
    const std::wstring longText = L"正在转换 D:\\影片\\中文 名字\\演唱会 现场.rmvb";
    RECT full{0, 0, 0, 0};
    DrawFitText(Dc(), longText, full, DT_SINGLELINE | DT_CALCRECT);
    Clear();
    RECT panel{10, 10, 10 + full.right / 2, 30};
    DrawFitText(Dc(), longText, panel, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    const RECT ink = Ink();
    EXPECT_LE(ink.right, panel.right);
    EXPECT_GT(ink.right, panel.right - 12);  // the dots reach the end
}

}  // namespace
}  // namespace tw
