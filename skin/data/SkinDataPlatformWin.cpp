// The skin component's system resources: menu glyph image list, caption font, face brush and
// the application's small icon.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>

#include "framework/win/Handles.h"
#include "skin/data/SkinDataPlatform.h"
#include "skin/data/SystemInfo.h"

namespace tw {

namespace {

struct TImageListTraits : TNullMeansNone<HIMAGELIST> {
    static void Free(HIMAGELIST list) { ImageList_Destroy(list); }
};
using TImageList = TUniqueHandle<TImageListTraits>;

// The first name of an enumeration, kept beyond it (string names die with the enumeration).
struct TFirstName {
    LPWSTR id = nullptr;
    std::wstring text;
    LPCWSTR Get() const { return text.empty() ? id : text.c_str(); }
};

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    auto* target = reinterpret_cast<TFirstName*>(found);
    if (IS_INTRESOURCE(name)) target->id = name;
    else
        target->text = name;
    return FALSE;
}

class TWinPlatform : public TSkinDataPlatform {
public:
    void LoadMenuGlyphs(const TBitmap& glyphs) override {
        TImageList list(ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 0));
        if (!list) return;
        TBitmap colour(glyphs);
        colour.SetPixelFormat(TPixelFormat::pf24bit);
        if (colour.Handle()) ImageList_AddMasked(list.Get(), static_cast<HBITMAP>(colour.Handle()), RGB(255, 255, 255));
        images_ = std::move(list);
    }

    void RebuildCaptionFont() override {
        // The metrics record without the padded-border field that newer systems append.
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return;
        font_.Reset(CreateFontIndirectW(&metrics.lfCaptionFont));
    }

    void RecreateFaceBrush(TColor color) override {
        brush_.Reset(CreateSolidBrush(static_cast<COLORREF>(ResolveColor(color))));
    }

    void BuildAppIcon(TBitmap& icon) override {
        icon.Clear();
        const int cx = SmallIconWidth(), cy = SmallIconHeight();
        const TIconHandle source = FindProgramIcon(cx, cy);
        if (!source) return;
        icon.SetPixelFormat(TPixelFormat::pf24bit);
        if (!icon.SetSize(cx, cy)) return;
        icon.Fill(kColorMagenta);
        if (const TMemoryDC dc = CompatibleDC(nullptr)) {
            const TSelection selectIcon = Select(dc.Get(), static_cast<HBITMAP>(icon.Handle()));
            DrawIconEx(dc.Get(), 0, 0, source.Get(), cx, cy, 0, nullptr, DI_NORMAL);
            GdiFlush();
        }
        icon.SetTransparent(true);
        icon.SetTransparentColor(kColorMagenta);
    }

    bool HasScrollBarInfo() const override {
        HMODULE user = GetModuleHandleW(L"user32.dll");
        return user && GetProcAddress(user, "GetScrollBarInfo") != nullptr;
    }

    void* MenuGlyphs() const override { return images_.Get(); }
    void* CaptionFont() const override { return font_.Get(); }
    void* FaceBrush() const override { return brush_.Get(); }

private:
    // A copy of the icon of the program's main window when it has one, else its first icon
    // resource.
    static TIconHandle FindProgramIcon(int cx, int cy) {
        HWND window = GetActiveWindow();
        HICON shown = nullptr;
        if (window) {
            shown = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
            if (!shown) shown = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
        }
        if (shown) return TIconHandle(CopyIcon(shown));
        HMODULE module = GetModuleHandleW(nullptr);
        TFirstName first;
        EnumResourceNamesW(module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, &TakeFirstName,
                           reinterpret_cast<LONG_PTR>(&first));
        if (!first.Get()) return {};
        return TIconHandle(static_cast<HICON>(LoadImageW(module, first.Get(), IMAGE_ICON, cx, cy, 0)));
    }

    TImageList images_;
    TFontHandle font_;
    TBrushHandle brush_;
};

}  // namespace

std::unique_ptr<TSkinDataPlatform> CreateSkinDataPlatform() { return std::make_unique<TWinPlatform>(); }

}  // namespace tw
