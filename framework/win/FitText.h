// DrawFitText: DrawTextW for the captions of controls, with every glyph placed at the advance
// the measuring calls report. Under Wine a substitute font (宋体 drawn by WenQuanYi) draws wider
// than GetTextExtentPoint32W and DT_CALCRECT say, with no overhang or C width to account for
// it, so a caption drawn into its measured box lost its last glyph. Drawing with ExtTextOutW
// and the measured advances keeps the ink inside the measure, on Windows as under Wine.
#pragma once

#include <windows.h>

#include <string>

namespace tw {

// The format flags understood, as DrawTextW reads them: DT_LEFT/DT_CENTER/DT_RIGHT,
// DT_TOP/DT_VCENTER/DT_BOTTOM (vertical placement for DT_SINGLELINE only), DT_SINGLELINE,
// DT_WORDBREAK (at blanks; explicit CR/LF start new lines), DT_NOPREFIX ("&x" underlines x,
// "&&" shows one "&"), DT_END_ELLIPSIS (single line), DT_EXPANDTABS, DT_NOCLIP, DT_CALCRECT
// (rect's right and bottom set to the text's extent, nothing drawn) and DT_RTLREADING. Answers
// the height of the text, as DrawTextW does.
int DrawFitText(HDC dc, const std::wstring& text, RECT& rect, UINT format);

// The width and height DrawFitText takes for text within a box width wide (wrapping only
// with DT_WORDBREAK).
SIZE MeasureFitText(HDC dc, const std::wstring& text, int width, UINT format);

}  // namespace tw
