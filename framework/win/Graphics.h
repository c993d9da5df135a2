// TColor and TFont: colours (a value 0xFF0000nn stands for system colour nn) and the font
// object every control carries.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/core/ClassInfo.h"
#include "framework/win/Handles.h"

namespace tw {

using TColor = uint32_t;

constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;

// Resolves a system colour to its current RGB value; plain colours pass unchanged.
inline COLORREF ColorToRGB(TColor color) {
    return (color & 0xFF000000) == clSystemColor ? GetSysColor(static_cast<int>(color & 0xFF)) : color & 0xFFFFFF;
}

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont : public TObject {
    TW_CLASS_INFO()
public:
    TFont() = default;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::wstring& Name() const { return name_; }
    void SetName(const std::wstring& name);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Charset() const { return charset_; }
    void SetCharset(int charset);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    void Assign(const TFont& other);

    // The GDI font for the current description, made on first use and remade after a change.
    HFONT Handle();

    std::function<void()> OnChange;

private:
    void Changed();

    std::wstring name_ = L"Tahoma";
    int height_ = -11;
    int charset_ = DEFAULT_CHARSET;
    unsigned style_ = 0;
    TColor color_ = clWindowText;
    TFontHandle handle_;
};

}  // namespace tw
