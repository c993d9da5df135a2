#include "tools/contactsheet/Canvas.h"

#include <cctype>

#include "tools/contactsheet/Font5x7.h"

namespace tw::contactsheet {

TCanvas::TCanvas(int width, int height, TColor background) : bitmap_(width, height) { bitmap_.Fill(background); }

void TCanvas::Frame(const TRect& r, TColor c) {
    Fill({r.Left, r.Top, r.Right, r.Top + 1}, c);
    Fill({r.Left, r.Bottom - 1, r.Right, r.Bottom}, c);
    Fill({r.Left, r.Top, r.Left + 1, r.Bottom}, c);
    Fill({r.Right - 1, r.Top, r.Right, r.Bottom}, c);
}

void TCanvas::RoundFrame(const TRect& r, TColor c) {
    Fill({r.Left + 2, r.Top, r.Right - 2, r.Top + 1}, c);
    Fill({r.Left + 2, r.Bottom - 1, r.Right - 2, r.Bottom}, c);
    Fill({r.Left, r.Top + 2, r.Left + 1, r.Bottom - 2}, c);
    Fill({r.Right - 1, r.Top + 2, r.Right, r.Bottom - 2}, c);
    bitmap_.SetPixel(r.Left + 1, r.Top + 1, c);
    bitmap_.SetPixel(r.Right - 2, r.Top + 1, c);
    bitmap_.SetPixel(r.Left + 1, r.Bottom - 2, c);
    bitmap_.SetPixel(r.Right - 2, r.Bottom - 2, c);
}

int TCanvas::Text(int x, int y, const std::string& text, TColor c, int scale) {
    int pen = x;
    for (char raw : text) {
        const char ch = static_cast<char>(std::toupper(static_cast<unsigned char>(raw)));
        for (const TGlyph& g : kFont) {
            if (g.Ch != ch) continue;
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g.Rows[row] & (0x10 >> col))
                        Fill({pen + col * scale, y + row * scale, pen + (col + 1) * scale, y + (row + 1) * scale}, c);
            break;
        }
        pen += 6 * scale;
    }
    return pen - x;
}

void TCanvas::Blit(const TBitmap& image, const TRect& src, int x, int y, int zoom, bool showKey) {
    for (int sy = src.Top; sy < src.Bottom; ++sy)
        for (int sx = src.Left; sx < src.Right; ++sx) {
            TColor c = image.Pixel(sx, sy);
            const int dx = x + (sx - src.Left) * zoom, dy = y + (sy - src.Top) * zoom;
            if (showKey && c == kColorMagenta) {
                for (int py = 0; py < zoom; ++py)
                    for (int px = 0; px < zoom; ++px)
                        bitmap_.SetPixel(dx + px, dy + py, (((dx + px) / 4 + (dy + py) / 4) & 1) ? 0xD8D8D8 : 0xF4F4F4);
                continue;
            }
            Fill({dx, dy, dx + zoom, dy + zoom}, c);
        }
}

}  // namespace tw::contactsheet
