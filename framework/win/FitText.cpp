#include "framework/win/FitText.h"

#include <algorithm>
#include <vector>

#include "framework/win/Handles.h"

namespace tw {

namespace {

// One line as drawn: its characters, where each one advances and the underlined one.
struct TFitLine {
    std::wstring Text;
    std::vector<int> Advances;
    int Prefix = -1;
    int Width = 0;
};

// The text shown for a paragraph: "&&" becomes "&", a single "&" underlines the next character
// (the last such one counts, as with DrawTextW).
std::wstring StripPrefixes(const std::wstring& source, bool prefixes, int& underlined) {
    underlined = -1;
    if (!prefixes) return source;
    std::wstring shown;
    for (size_t i = 0; i < source.size(); ++i) {
        if (source[i] == L'&' && i + 1 < source.size()) {
            ++i;
            if (source[i] != L'&') underlined = static_cast<int>(shown.size());
        } else if (source[i] == L'&') {
            continue;  // a trailing "&" shows nothing
        }
        shown.push_back(source[i]);
    }
    return shown;
}

// The advances of every character from the font's own partial extents; a tab reaches the next
// stop of eight average characters when tabs are expanded.
void Measure(HDC dc, TFitLine& line, bool expandTabs, int tabStop) {
    const int n = static_cast<int>(line.Text.size());
    line.Advances.assign(static_cast<size_t>(n), 0);
    int position = 0;
    for (int i = 0; i < n;) {
        if (expandTabs && line.Text[i] == L'\t') {
            line.Advances[i] = tabStop - position % tabStop;
            position += line.Advances[i++];
            continue;
        }
        int end = i;
        while (end < n && !(expandTabs && line.Text[end] == L'\t')) ++end;
        std::vector<int> partial(static_cast<size_t>(end - i));
        SIZE size{};
        GetTextExtentExPointW(dc, line.Text.c_str() + i, end - i, 0, nullptr, partial.data(), &size);
        for (int k = 0; k < end - i; ++k) line.Advances[i + k] = partial[k] - (k ? partial[k - 1] : 0);
        position += end > i ? partial.back() : 0;
        i = end;
    }
    line.Width = position;
}

TFitLine Slice(const TFitLine& from, int begin, int end) {
    TFitLine line;
    line.Text = from.Text.substr(begin, end - begin);
    line.Advances.assign(from.Advances.begin() + begin, from.Advances.begin() + end);
    line.Prefix = from.Prefix >= begin && from.Prefix < end ? from.Prefix - begin : -1;
    for (int a : line.Advances) line.Width += a;
    return line;
}

// Breaks a measured paragraph at blanks so that each line fits width; a word wider than the
// box stays whole on its own line, as DrawTextW keeps it.
void Wrap(const TFitLine& paragraph, int width, std::vector<TFitLine>& lines) {
    const int n = static_cast<int>(paragraph.Text.size());
    int start = 0;
    do {
        int used = 0, lastBlank = -1, j = start;
        while (j < n) {
            if (paragraph.Text[j] == L' ') lastBlank = j;
            if (used + paragraph.Advances[j] > width && j > start) break;
            used += paragraph.Advances[j++];
        }
        int end = j, next = j;
        if (j < n) {
            if (lastBlank > start) {
                end = lastBlank;
            } else {
                while (end < n && paragraph.Text[end] != L' ') ++end;
            }
            next = end;
            while (next < n && paragraph.Text[next] == L' ') ++next;
        }
        lines.push_back(Slice(paragraph, start, end));
        start = next;
    } while (start < n);
}

// Shortens a line that overflows width to its longest head followed by "..." that fits.
void EndEllipsis(HDC dc, TFitLine& line, int width, bool expandTabs, int tabStop) {
    if (line.Width <= width) return;
    TFitLine dots;
    dots.Text = L"...";
    Measure(dc, dots, false, tabStop);
    int keep = 0, used = 0;
    while (keep < static_cast<int>(line.Text.size()) && used + line.Advances[keep] + dots.Width <= width)
        used += line.Advances[keep++];
    const int prefix = line.Prefix < keep ? line.Prefix : -1;
    line.Text = line.Text.substr(0, keep) + dots.Text;
    Measure(dc, line, expandTabs, tabStop);
    line.Prefix = prefix;
}

std::vector<TFitLine> LayOut(HDC dc, const std::wstring& text, int width, UINT format, const TEXTMETRICW& tm) {
    const bool expandTabs = (format & DT_EXPANDTABS) != 0;
    const int tabStop = std::max(1, 8 * static_cast<int>(tm.tmAveCharWidth));
    std::vector<std::wstring> paragraphs;
    if (format & DT_SINGLELINE) {
        paragraphs.push_back(text);
    } else {
        std::wstring current;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'\r' || text[i] == L'\n') {
                paragraphs.push_back(current);
                current.clear();
                if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            } else {
                current.push_back(text[i]);
            }
        }
        paragraphs.push_back(current);
    }
    std::vector<TFitLine> lines;
    for (const std::wstring& source : paragraphs) {
        TFitLine paragraph;
        paragraph.Text = StripPrefixes(source, (format & DT_NOPREFIX) == 0, paragraph.Prefix);
        Measure(dc, paragraph, expandTabs, tabStop);
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) Wrap(paragraph, width, lines);
        else
            lines.push_back(std::move(paragraph));
    }
    if ((format & DT_END_ELLIPSIS) && lines.size() == 1) EndEllipsis(dc, lines[0], width, expandTabs, tabStop);
    return lines;
}

int LineHeight(const TEXTMETRICW& tm, UINT format) {
    return tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
}

}  // namespace

SIZE MeasureFitText(HDC dc, const std::wstring& text, int width, UINT format) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SIZE size{0, 0};
    for (const TFitLine& line : LayOut(dc, text, width, format, tm)) {
        size.cx = std::max<LONG>(size.cx, line.Width);
        size.cy += LineHeight(tm, format);
    }
    return size;
}

int DrawFitText(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const std::vector<TFitLine> lines = LayOut(dc, text, rect.right - rect.left, format, tm);
    const int lineHeight = LineHeight(tm, format);
    const int height = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        int width = 0;
        for (const TFitLine& line : lines) width = std::max(width, line.Width);
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
        return height;
    }
    int y = rect.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) y = rect.top + (rect.bottom - rect.top) / 2 - height / 2;
        else if (format & DT_BOTTOM)
            y = rect.bottom - height;
    }
    UINT options = (format & DT_NOCLIP) ? 0 : ETO_CLIPPED;
    if (format & DT_RTLREADING) options |= ETO_RTLREADING;
    for (const TFitLine& line : lines) {
        int x = rect.left;
        if (format & DT_CENTER) x = (rect.left + rect.right - line.Width) / 2;
        else if (format & DT_RIGHT)
            x = rect.right - line.Width;
        std::wstring shown = line.Text;
        std::replace(shown.begin(), shown.end(), L'\t', L' ');  // its advance is the tab stop
        ExtTextOutW(dc, x, y, options, &rect, shown.c_str(), static_cast<UINT>(shown.size()), line.Advances.data());
        if (line.Prefix >= 0) {
            int from = x;
            for (int i = 0; i < line.Prefix; ++i) from += line.Advances[i];
            const int underlineY = y + tm.tmAscent + 1;
            const TPenHandle pen(CreatePen(PS_SOLID, 1, GetTextColor(dc)));
            const TSelection selectPen = Select(dc, pen.Get());
            MoveToEx(dc, from, underlineY, nullptr);
            LineTo(dc, from + line.Advances[line.Prefix] - 1, underlineY);
        }
        y += lineHeight;
    }
    return height;
}

}  // namespace tw
