#include "framework/win/Graphics.h"

namespace tw {

const TClassInfo& TFont::StaticClassInfo() {
    static const TClassInfo info{
        "TFont",
        &TObject::StaticClassInfo(),
        {
            WStrProp<TFont>(
                "Name", [](const TFont& f) { return f.Name(); }, [](TFont& f, const std::wstring& v) { f.SetName(v); }),
            IntProp<TFont>(
                "Height", [](const TFont& f) { return f.Height(); },
                [](TFont& f, int64_t v) { f.SetHeight(static_cast<int>(v)); }),
            IntProp<TFont>(
                "Charset", [](const TFont& f) { return f.Charset(); },
                [](TFont& f, int64_t v) { f.SetCharset(static_cast<int>(v)); }),
            IntProp<TFont>(
                "Color", [](const TFont& f) { return f.Color(); },
                [](TFont& f, int64_t v) { f.SetColor(static_cast<TColor>(v)); }),
        }};
    return info;
}

void TFont::SetName(const std::wstring& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

void TFont::SetStyle(unsigned style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    if (OnChange) OnChange();
}

void TFont::Assign(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    charset_ = other.charset_;
    style_ = other.style_;
    color_ = other.color_;
    Changed();
}

HFONT TFont::Handle() {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        handle_.Reset(CreateFontIndirectW(&lf));
    }
    return handle_.Get();
}

void TFont::Changed() {
    handle_.Reset();
    if (OnChange) OnChange();
}

}  // namespace tw
