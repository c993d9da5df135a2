#include "framework/win/GlyphCheckBox.h"

#include "framework/win/Handles.h"

namespace tw {

const TClassInfo& TGlyphCheckProperties::StaticClassInfo() {
    static const TClassInfo info{
        "TGlyphCheckProperties",
        &TObject::StaticClassInfo(),
        {
            ObjProp<TGlyphCheckProperties>(
                "Glyph", [](const TGlyphCheckProperties& p) { return &const_cast<TGlyphCheckProperties&>(p).Glyph(); }),
            BoolProp<TGlyphCheckProperties>(
                "Transparent", [](const TGlyphCheckProperties& p) { return p.Transparent(); },
                [](TGlyphCheckProperties& p, bool v) { p.SetTransparent(v); }),
        }};
    return info;
}

const TClassInfo& TGlyphCheckBox::StaticClassInfo() {
    static const TClassInfo info{
        "TGlyphCheckBox",
        &TCheckBox::StaticClassInfo(),
        {
            ObjProp<TGlyphCheckBox>(
                "CustomGlyphs", [](const TGlyphCheckBox& c) { return &const_cast<TGlyphCheckBox&>(c).CustomGlyphs(); }),
            BoolProp<TGlyphCheckBox>(
                "UseCustomGlyphs", [](const TGlyphCheckBox& c) { return c.UseCustomGlyphs(); },
                [](TGlyphCheckBox& c, bool v) { c.SetUseCustomGlyphs(v); }),
            IntProp<TGlyphCheckBox>(
                "transparentcolor", [](const TGlyphCheckBox& c) { return c.TransparentColor(); },
                [](TGlyphCheckBox& c, int64_t v) { c.SetTransparentColor(static_cast<int>(v)); }),
            ObjProp<TGlyphCheckBox>(
                "Properties", [](const TGlyphCheckBox& c) { return &const_cast<TGlyphCheckBox&>(c).Properties(); }),
        }};
    return info;
}

namespace {
constexpr int kStripCells = 9;
constexpr int kCaptionGap = 4;
}  // namespace

int TGlyphCheckBox::StripCell(TCheckBoxState state, bool pressed, bool enabled) {
    const int row = !enabled ? 2 : pressed ? 1 : 0;
    return 3 * row + static_cast<int>(state);
}

bool TGlyphCheckBox::DrawsItself() {
    return useCustomGlyphs_ && customGlyphs_.Width() >= kStripCells && customGlyphs_.Height() > 0 && HandleAllocated();
}

void TGlyphCheckBox::WndProc(TMessage& message) {
    if (DrawsItself()) {
        switch (message.Msg) {
            case WM_PAINT:
                if (message.WParam) {
                    PaintFromStrip(reinterpret_cast<HDC>(message.WParam));
                } else {
                    TPaintDC dc(Handle());
                    PaintFromStrip(dc.Get());
                }
                message.Result = 0;
                return;
            case WM_PRINTCLIENT:
                PaintFromStrip(reinterpret_cast<HDC>(message.WParam));
                message.Result = 0;
                return;
            case WM_ERASEBKGND:
                message.Result = 1;
                return;
            default:
                break;
        }
    }
    TCheckBox::WndProc(message);
    // The system's button paints itself at once when its check, press or focus changes: the
    // strip goes over that again.
    switch (message.Msg) {
        case BM_SETCHECK:
        case BM_SETSTATE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_UPDATEUISTATE:
            if (DrawsItself()) InvalidateRect(Handle(), nullptr, FALSE);
            break;
        default:
            break;
    }
}

void TGlyphCheckBox::PaintFromStrip(HDC dc) {
    if (!dc) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const TBrushHandle ground(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &client, ground.Get());

    const int cellWidth = customGlyphs_.Width() / kStripCells, cellHeight = customGlyphs_.Height();
    const bool pressed = (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    const int cell = StripCell(State(), pressed, IsWindowEnabled(Handle()) != FALSE);
    const int top = (client.bottom - cellHeight) / 2;
    {
        TMemoryDC strip(CreateCompatibleDC(dc));
        const TSelection selected = Select(strip.Get(), customGlyphs_.Handle());
        GdiTransparentBlt(dc, 0, top, cellWidth, cellHeight, strip.Get(), cell * cellWidth, 0, cellWidth, cellHeight,
                          static_cast<UINT>(transparentColor_));
    }

    RECT text{cellWidth + kCaptionGap, 0, client.right, client.bottom};
    const std::wstring caption = Caption();
    const TSelection font = Select(dc, Font().Handle());
    const int mode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_VCENTER);
    if (GetFocus() == Handle() && !caption.empty()) {
        RECT measured = text;
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
                  DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
        measured.top = (client.bottom - (measured.bottom - measured.top)) / 2;
        measured.bottom = client.bottom - measured.top;
        InflateRect(&measured, 1, 0);
        DrawFocusRect(dc, &measured);
    }
    SetBkMode(dc, mode);
}

void TGlyphCheckBox::SetUseCustomGlyphs(bool use) {
    if (use && !useCustomGlyphs_) ++glyphLoads_;
    useCustomGlyphs_ = use;
    Invalidate();
}

}  // namespace tw
