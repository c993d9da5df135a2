// The preview at the top of a contact sheet: the converter's main window and a second, inactive
// window with the controls the main window lacks, painted from the parsed skin objects.
#include <algorithm>
#include <string>

#include "skin/data/NineSlice.h"
#include "tools/contactsheet/Canvas.h"
#include "tools/contactsheet/Sheet.h"

namespace tw::contactsheet {

namespace {

constexpr TColor kText = RGBColor(0, 0, 0);  // controls keep the system window-text colour

// System colour references (0xFF0000nn) are shown as mid grey; the skins give plain colours.
TColor Plain(TColor c) { return (static_cast<uint32_t>(c) & 0xFF000000u) ? RGBColor(128, 128, 128) : c; }

void DrawObject(TCanvas& c, const TRect& r, const TDataSkinObject* o, int frame, bool stacked = false,
                bool borderTile = false) {
    if (!o || o->Image.Empty()) return;
    TSliceOptions opt;
    opt.FrameCount = std::max(1, o->FrameCount);
    opt.FrameIndex = frame;
    opt.Stacked = stacked;
    opt.Tile = borderTile ? o->Tile != 1 : o->Tile == 1;
    opt.LeftWidth = o->LeftWidth;
    opt.TopHeight = o->TopHeight;
    opt.RightWidth = o->RightWidth;
    opt.BottomHeight = o->BottomHeight;
    DrawNineSliceTo(c.Bitmap(), r, o->Image, opt, o->Trans != 0);
}

void DrawCell(TCanvas& c, const TRect& r, const TBitmap& image, int frames, int frame) {
    if (image.Empty() || frames < 1) return;
    StretchCopy(c.Bitmap(), r, image, FrameCell(image.Width(), image.Height(), frames, frame, false), true);
}

void CentredText(TCanvas& c, const TRect& r, const std::string& text, TColor colour) {
    c.Text(r.Left + (r.Width() - TCanvas::TextWidth(text)) / 2, r.Top + (r.Height() - 7) / 2, text, colour);
}

struct TWindowGeometry {
    int BorderLeft, Title, BorderRight, BorderBottom;
};

TWindowGeometry Geometry(const TSkinData& s) {
    auto frames = [](const TDataSkinObject& o) { return std::max(1, o.FrameCount); };
    return {s.Left->Image.Width() / frames(*s.Left), s.Top->Image.Height() / frames(*s.Top),
            s.Right->Image.Width() / frames(*s.Right), s.Bottom->Image.Height() / frames(*s.Bottom)};
}

// Frame, title and caption buttons; answers the client rectangle.
TRect DrawWindow(TCanvas& c, const TSkinData& s, int x, int y, int clientW, int clientH, bool active,
                 const std::string& caption, bool maxBox) {
    const TWindowGeometry g = Geometry(s);
    const int w = clientW + g.BorderLeft + g.BorderRight, h = clientH + g.Title + g.BorderBottom;
    const int frame = active ? 1 : 2;
    auto border = [&](const TDataSkinBorder& b, const TRect& r, bool stacked) {
        DrawObject(c, r.Offset(x, y), &b, b.FrameCount > 1 ? frame : 1, stacked, true);
    };
    border(*s.Left, {0, 0, g.BorderLeft, h}, false);
    border(*s.Right, {w - g.BorderRight, 0, w, h}, false);
    border(*s.Bottom, {g.BorderLeft, h - g.BorderBottom, w - g.BorderRight, h}, true);
    border(*s.Top, {g.BorderLeft, 0, w - g.BorderRight, g.Title}, true);
    for (const auto& b : s.SysButtons) {
        if (b->Visibility == 100 || b->Visibility == 1 || (b->Action == 1 && !maxBox)) continue;
        if ((b->Visibility == 6 && !maxBox) || (b->Visibility == 7 && maxBox)) continue;
        if (b->Action == 3 || b->Action == 11) {
            // The window icon: a small film frame.
            const TRect icon = TRect{b->Xcoord, b->Ycoord, b->Xcoord + 16, b->Ycoord + 16}.Offset(x, y);
            c.Fill({icon.Left + 1, icon.Top + 3, icon.Right - 1, icon.Bottom - 3}, RGBColor(40, 40, 48));
            c.Fill({icon.Left + 4, icon.Top + 5, icon.Right - 4, icon.Bottom - 5}, RGBColor(120, 190, 240));
            continue;
        }
        if (b->Image.Empty()) continue;
        const int cw = b->Image.Width() / std::max(1, b->FrameCount), ch = b->Image.Height();
        const int left = b->Align == 1 ? w - b->Xcoord : b->Xcoord;
        const int cell = !active && b->FrameCount >= 4 ? 4 : 1;
        DrawCell(c, TRect{left, b->Ycoord, left + cw, b->Ycoord + ch}.Offset(x, y), b->Image, b->FrameCount, cell);
    }
    const TColor titleText = Plain(active ? s.Colours.TitleTextActive : s.Colours.TitleTextNoActive);
    c.Text(x + s.Title->LeftWidth, y + s.Title->TopHeight, caption, titleText, 2);
    const TRect client{x + g.BorderLeft, y + g.Title, x + g.BorderLeft + clientW, y + g.Title + clientH};
    c.Fill(client, Plain(s.Colours.ButtonFace));
    return client;
}

void GroupBox(TCanvas& c, const TSkinData& s, const TRect& r, const std::string& caption) {
    const int top = r.Top + 3;
    c.RoundFrame({r.Left + 1, top, r.Right - 1, r.Bottom - 1}, Plain(s.Colours.ButtonShadow));
    const int tw = TCanvas::TextWidth(caption);
    c.Fill({r.Left + 8, r.Top, r.Left + 8 + tw + 2, r.Top + 8}, Plain(s.Colours.ButtonFace));
    c.Text(r.Left + 9, r.Top, caption, kText);
}

void Button(TCanvas& c, const TSkinData& s, const TRect& r, const std::string& caption, int frame) {
    DrawObject(c, r, s.Buttons.get(), frame);
    TColor colour = kText;
    if (frame == 1 && s.Buttons->HasNormalColour2) colour = s.Buttons->NormalColour2;
    if (frame == 4 && s.Buttons->HasMouseOverColour2) colour = s.Buttons->MouseOverColour2;
    if (frame == 2 && s.Buttons->HasPressedColour2) colour = s.Buttons->PressedColour2;
    if (frame == 3) colour = Plain(s.Colours.ButtonShadow);
    CentredText(c, r, caption, colour);
}

void Combo(TCanvas& c, const TSkinData& s, const TRect& r, const std::string& text, int frame) {
    c.Fill(r, RGBColor(255, 255, 255));
    DrawObject(c, r, s.ComboButton.get(), frame);
    c.Text(r.Left + 5, r.Top + (r.Height() - 7) / 2, text, kText);
}

void Edit(TCanvas& c, const TSkinData& s, const TRect& r, const std::string& text) {
    c.Fill(r, RGBColor(255, 255, 255));
    c.Frame(r, Plain(s.Colours.ButtonShadow));
    c.Text(r.Left + 5, r.Top + (r.Height() - 7) / 2, text, kText);
}

void Progress(TCanvas& c, const TSkinData& s, const TRect& r, int percent) {
    if (!s.Progress) return;
    c.Fill(r, Plain(s.Colours.ButtonFace));
    const int filled = r.Width() * percent / 100;
    if (s.Progress->Style == 1) {
        DrawObject(c, r, s.Progress.get(), 1);
        if (!s.ProgressChunk || s.ProgressChunk->Image.Empty()) return;
        const TBitmap& chunk = s.ProgressChunk->Image;
        const int top = r.Top + (r.Height() - chunk.Height()) / 2;
        const int x0 = r.Left + s.ProgressChunk->LeftWidth + 2;
        for (int x = 0; x < filled; x += chunk.Width()) {
            const int w = std::min(chunk.Width(), filled - x);
            StretchCopy(c.Bitmap(), {x0 + x, top, x0 + x + w, top + chunk.Height()}, chunk, {0, 0, w, chunk.Height()});
        }
        return;
    }
    DrawObject(c, r, s.Progress.get(), 1);
    if (filled > 0) DrawObject(c, {r.Left, r.Top, r.Left + filled, r.Bottom}, s.Progress.get(), 2);
}

void VerticalScrollBar(TCanvas& c, const TSkinData& s, const TRect& r) {
    if (!s.Scrollbar || s.Scrollbar->Image.Empty()) return;
    const int a = 17;
    DrawObject(c, {r.Left, r.Top + a, r.Right, r.Bottom - a}, s.VertScroll.get(), 1);
    DrawCell(c, {r.Left, r.Top, r.Right, r.Top + a}, s.Scrollbar->Image, 23, 9);
    DrawCell(c, {r.Left, r.Bottom - a, r.Right, r.Bottom}, s.Scrollbar->Image, 23, 13 + 3);
    const TRect thumb{r.Left, r.Top + a + 4, r.Right, r.Top + a + 4 + std::max(20, (r.Height() - 2 * a) / 2)};
    DrawObject(c, thumb, s.VertScrollThumb.get(), 1);
    const int cell = s.Scrollbar->Image.Height();
    if (thumb.Height() > cell - 2) {
        const int top = thumb.Top + (thumb.Height() - cell) / 2;
        DrawCell(c, {r.Left, top, r.Left + cell, top + cell}, s.Scrollbar->Image, 23, 20);
    }
}

void HorizontalScrollBar(TCanvas& c, const TSkinData& s, const TRect& r) {
    if (!s.Scrollbar || s.Scrollbar->Image.Empty()) return;
    const int a = 17;
    DrawObject(c, {r.Left + a, r.Top, r.Right - a, r.Bottom}, s.HorzScroll.get(), 1);
    DrawCell(c, {r.Left, r.Top, r.Left + a, r.Bottom}, s.Scrollbar->Image, 23, 1 + 1);
    DrawCell(c, {r.Right - a, r.Top, r.Right, r.Bottom}, s.Scrollbar->Image, 23, 5);
    const TRect thumb{r.Left + a + 30, r.Top, r.Left + a + 110, r.Bottom};
    DrawObject(c, thumb, s.HorzScrollThumb.get(), 3);
    const int cell = s.Scrollbar->Image.Height();
    const int left = thumb.Left + (thumb.Width() - cell) / 2;
    DrawCell(c, {left, r.Top, left + cell, r.Top + cell}, s.Scrollbar->Image, 23, 19);
}

void ListView(TCanvas& c, const TSkinData& s, const TRect& r) {
    c.Fill(r, RGBColor(255, 255, 255));
    c.Frame(r, Plain(s.Colours.ButtonShadow));
    const TRect inner{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
    const int headerH = 18, sb = 17;
    const char* columns[] = {"FILE", "LENGTH", "STATUS"};
    const int widths[] = {150, 60, 60};
    int x = inner.Left;
    for (int i = 0; i < 3; ++i) {
        const TRect cell{x, inner.Top, x + widths[i], inner.Top + headerH};
        DrawObject(c, cell, s.Headerbar.get(), i == 1 ? 2 : 1);
        c.Text(cell.Left + 4, cell.Top + 6, columns[i], kText);
        x += widths[i];
    }
    DrawObject(c, {x, inner.Top, inner.Right - sb, inner.Top + headerH}, s.Headerbar.get(), 1);
    const TColor hilight = Plain(s.Colours.Hilight), hilightText = Plain(s.Colours.HilightText);
    c.Fill({inner.Left, inner.Top + headerH + 2, inner.Left + 270, inner.Top + headerH + 14}, hilight);
    c.Text(inner.Left + 4, inner.Top + headerH + 5, "CLIP01.RM    00:03:25  DONE", hilightText);
    c.Text(inner.Left + 4, inner.Top + headerH + 19, "HOLIDAY.AVI  00:12:08", kText);
    VerticalScrollBar(c, s, {inner.Right - sb, inner.Top, inner.Right, inner.Bottom});
}

void CheckBox(TCanvas& c, const TSkinData& s, int x, int y, bool radio, int frame, const std::string& caption) {
    const TBitmap& strip = radio ? s.Buttons->RadioImage : s.Buttons->CheckImage;
    const int frames = radio ? s.Buttons->RadioButtonFrame : s.Buttons->CheckButtonFrame;
    if (strip.Empty() || frames < 1) return;
    const int cw = strip.Width() / frames, ch = strip.Height();
    DrawCell(c, {x, y, x + cw, y + ch}, strip, frames, frame);
    c.Text(x + cw + 4, y + (ch - 7) / 2, caption, kText);
}

void MainWindow(TCanvas& c, const TSkinData& s, int x, int y) {
    const TRect cl = DrawWindow(c, s, x, y, 538, 433, true, "TARNWICK 5.0", false);
    // Banner pane.
    c.Fill({cl.Left, cl.Top, cl.Right, cl.Top + 160}, RGBColor(255, 255, 255));
    c.Text(cl.Left + 200, cl.Top + 70, "BANNER PAGE", RGBColor(160, 160, 160), 2);
    int top = cl.Top + 160;
    GroupBox(c, s, {cl.Left + 4, top, cl.Right - 4, top + 64}, "PROGRESS");
    c.Text(cl.Left + 14, top + 16, "CURRENT TASK:   READY", kText);
    c.Text(cl.Left + 14, top + 40, "FILE PROGRESS:", kText);
    Progress(c, s, {cl.Left + 116, top + 35, cl.Left + 116 + 409, top + 35 + 18}, 62);
    top += 64;
    GroupBox(c, s, {cl.Left + 4, top, cl.Right - 4, top + 104}, "SETTINGS");
    ListView(c, s, {cl.Left + 12, top + 14, cl.Right - 214, top + 72});
    Button(c, s, {cl.Left + 12, top + 75, cl.Left + 87, top + 100}, "ADD", 1);
    Button(c, s, {cl.Left + 92, top + 75, cl.Left + 167, top + 100}, "DELETE", 4);
    Button(c, s, {cl.Left + 172, top + 75, cl.Left + 247, top + 100}, "CLEAR", 3);
    const TRect opts{cl.Right - 207, top + 10, cl.Right - 8, top + 100};
    GroupBox(c, s, opts, "VIDEO OPTIONS");
    const char* labels[] = {"QUALITY", "FRAMES", "SIZE"};
    const char* values[] = {"120K", "14.985", "176X144"};
    for (int i = 0; i < 3; ++i) {
        const int yy = opts.Top + 14 + i * 25;
        c.Text(opts.Left + 8, yy + 7, labels[i], kText);
        Combo(c, s, {opts.Left + 70, yy, opts.Right - 8, yy + 21}, values[i], i == 1 ? 4 : 1);
    }
    top += 104;
    GroupBox(c, s, {cl.Left + 4, top, cl.Right - 4, top + 54}, "OUTPUT");
    c.Text(cl.Left + 14, top + 26, "FOLDER", kText);
    Edit(c, s, {cl.Left + 62, top + 20, cl.Left + 62 + 353, top + 41}, "D:\\VIDEO\\3GP");
    Button(c, s, {cl.Left + 425, top + 18, cl.Left + 510, top + 43}, "SET FOLDER", 5);
    top += 54;
    Button(c, s, {cl.Left + 220, top + 9, cl.Left + 317, top + 42}, "CONVERT NOW", 1);
    c.Text(cl.Right - 130, cl.Bottom - 12, "E-MAIL:", kText);
}

void SideWindow(TCanvas& c, const TSkinData& s, int x, int y) {
    const TRect cl = DrawWindow(c, s, x, y, 420, 250, false, "INACTIVE WINDOW", true);
    // Tabs with their page frame.
    const TRect page{cl.Left + 8, cl.Top + 30, cl.Left + 250, cl.Top + 150};
    const TDataSkinObject* pane = s.Tabs && s.Tabs->Style == 0 ? nullptr : s.TabPane.get();
    if (pane) {
        DrawObject(c, page, pane, 1);
    } else if (s.Tabs && !s.Tabs->SecondImage.Empty()) {
        TSliceOptions opt;
        opt.LeftWidth = 4, opt.TopHeight = 5, opt.RightWidth = 4, opt.BottomHeight = 4;
        DrawNineSliceTo(c.Bitmap(), page, s.Tabs->SecondImage, opt, false);
    }
    const char* tabs[] = {"VIDEO", "AUDIO", "OUTPUT"};
    int tx = page.Left + 2;
    for (int i = 0; i < 3; ++i) {
        const bool sel = i == 0;
        const int w = 60;
        const TRect tab{tx - (sel ? 2 : 0), page.Top - (sel ? 22 : 20), tx + w + (sel ? 2 : 0),
                        page.Top + (sel ? 1 : 0)};
        DrawObject(c, tab, s.Tabs.get(), sel ? 2 : 1);
        const TColor colour = s.Tabs ? (sel ? s.Tabs->MouseOverColour2 : s.Tabs->NormalColour2) : kText;
        CentredText(c, tab, tabs[i], colour);
        tx += w;
    }
    CheckBox(c, s, page.Left + 12, page.Top + 14, false, 1, "KEEP ASPECT");
    const bool rich = s.Buttons->CheckButtonFrame >= 12;
    CheckBox(c, s, page.Left + 12, page.Top + 34, false, rich ? 5 : 2, "TWO PASS");
    CheckBox(c, s, page.Left + 12, page.Top + 54, false, rich ? 8 : 4, "DISABLED");
    CheckBox(c, s, page.Left + 130, page.Top + 14, true, s.Buttons->RadioButtonFrame >= 8 ? 5 : 2, "MONO");
    CheckBox(c, s, page.Left + 130, page.Top + 34, true, 1, "STEREO");
    // Track bar: channel and thumb.
    const TRect channel{page.Left + 12, page.Top + 90, page.Right - 20, page.Top + 96};
    if (s.Track && !s.Track->Image.Empty()) {
        TSliceOptions opt;
        opt.LeftWidth = s.Track->LeftWidth, opt.RightWidth = s.Track->RightWidth;
        DrawNineSliceTo(c.Bitmap(), {channel.Left, channel.Top, channel.Right, channel.Top + s.Track->Image.Height()},
                        s.Track->Image, opt, false);
    }
    if (s.TrackbarThumbDown) {
        const int cw = s.TrackbarThumbDown->Image.Width() / 5;
        DrawCell(c,
                 {channel.Left + 60, channel.Top - 8, channel.Left + 60 + cw,
                  channel.Top - 8 + s.TrackbarThumbDown->Image.Height()},
                 s.TrackbarThumbDown->Image, 5, 2);
    }
    // Up-down beside an edit.
    Edit(c, s, {cl.Left + 270, cl.Top + 12, cl.Left + 330, cl.Top + 33}, "25");
    if (s.UpDownVert) {
        for (int half = 0; half < 2; ++half) {
            const TRect r{cl.Left + 330, cl.Top + 12 + half * 10, cl.Left + 345, cl.Top + 22 + half * 11};
            DrawObject(c, r, s.UpDownVert.get(), half == 0 ? 1 : 8);
            const TBitmap& glyph = s.UpDownVert->SecondImage;
            if (!glyph.Empty()) DrawStripCenteredTo(c.Bitmap(), r, glyph, true, 8, half == 0 ? 1 : 8);
        }
    }
    // A popup menu.
    const TRect menu{cl.Left + 270, cl.Top + 45, cl.Left + 410, cl.Top + 160};
    DrawObject(c, menu, s.MenuBackground.get(), 1);
    const char* items[] = {"OPEN", "ADD FILES", "-", "CONVERT", "EXIT"};
    int iy = menu.Top + 3;
    for (int i = 0; i < 5; ++i) {
        const bool sep = items[i][0] == '-';
        const int ih = sep ? 9 : 20;
        const TRect item{menu.Left + 3, iy, menu.Right - 3, iy + ih};
        if (sep) {
            if (s.MenuItem) {
                const TBitmap& img = s.MenuItem->Image;
                const int cw = img.Width() / 5;
                StretchCopy(c.Bitmap(), item, img, {cw, img.Height() - ih, 2 * cw, img.Height()}, true);
            }
        } else {
            if (i == 3) DrawObject(c, item, s.MenuItem.get(), 4);
            const int textX = item.Left + 4 + (s.MenuItem ? s.MenuItem->LeftWidth : 0) + 24;
            c.Text(textX, item.Top + 7, items[i], Plain(i == 3 ? s.Colours.HilightText : s.Colours.MenuText));
        }
        iy += ih;
    }
    // Status bar with a size grip, and a horizontal scroll bar.
    HorizontalScrollBar(c, s, {cl.Left + 8, cl.Top + 170, cl.Left + 250, cl.Top + 187});
    const TRect status{cl.Left, cl.Bottom - 20, cl.Right, cl.Bottom};
    DrawObject(c, {status.Left, status.Top, status.Left + 200, status.Bottom}, s.StatusBarEdges.get(), 1);
    DrawObject(c, {status.Left + 200, status.Top, status.Right, status.Bottom}, s.StatusBarEdges.get(), 3);
    const TColor statusText = s.StatusBarEdges ? s.StatusBarEdges->NormalColour2 : kText;
    c.Text(status.Left + 6, status.Top + 7, "3 FILES QUEUED", statusText);
    if (s.ExtraImages && !s.ExtraImages->Image.Empty()) {
        const TBitmap& img = s.ExtraImages->Image;
        const int cw = img.Width() / std::max(1, s.ExtraImages->FrameCount);
        DrawCell(c, {status.Right - 1 - cw, status.Bottom - 1 - img.Height(), status.Right - 1, status.Bottom - 1}, img,
                 s.ExtraImages->FrameCount, 5);
    }
    // Buttons in every state.
    const char* names[] = {"NORMAL", "PRESSED", "DISABLED", "HOT", "FOCUSED"};
    for (int f = 1; f <= 5; ++f)
        Button(c, s, {cl.Left + 8 + (f - 1) * 82, cl.Top + 200, cl.Left + 84 + (f - 1) * 82, cl.Top + 225},
               names[f - 1], f);
}

}  // namespace

TBitmap RenderPreview(const TSkinData& skin) {
    TCanvas c(1240, 500, kColorMagenta);
    MainWindow(c, skin, 0, 0);
    SideWindow(c, skin, 600, 0);
    return c.Bitmap();
}

}  // namespace tw::contactsheet
