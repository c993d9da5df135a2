#include "tools/contactsheet/Sheet.h"

#include <algorithm>
#include <vector>

#include "tools/contactsheet/Canvas.h"

namespace tw::contactsheet {

namespace {

constexpr int kSheetWidth = 1280;
constexpr TColor kInk = RGBColor(30, 30, 30);
constexpr TColor kGuide = RGBColor(0, 190, 210);
constexpr TColor kCellLine = RGBColor(150, 150, 150);

struct TEntry {
    std::string Name;
    const TBitmap* Image;
    int Frames;
    bool Stacked;
    int L, T, R, B;
    std::string Note;
};

TEntry Of(const std::string& name, const TDataSkinObject* o, bool stacked = false, std::string note = {}) {
    if (!o) return {name + " (absent)", nullptr, 0, false, 0, 0, 0, 0, std::move(note)};
    return {name,
            &o->Image,
            o->FrameCount,
            stacked,
            o->LeftWidth,
            o->TopHeight,
            o->RightWidth,
            o->BottomHeight,
            "TRANS " + std::to_string(o->Trans) + " TILE " + std::to_string(o->Tile) + " STYLE " +
                std::to_string(o->Style) + (note.empty() ? "" : "  " + note)};
}

std::vector<TEntry> Entries(const TSkinData& s) {
    std::vector<TEntry> e;
    e.push_back(Of("Left", s.Left.get()));
    e.push_back(Of("Right", s.Right.get()));
    e.push_back(Of("Top", s.Top.get(), true));
    e.push_back(Of("Bottom", s.Bottom.get(), true));
    e.push_back(Of("Title TextBack", s.Title.get()));
    e.push_back(Of("Personality menuBar", s.MenuBar.get(), true));
    for (const auto& b : s.SysButtons)
        e.push_back(Of(b->Name, b.get(), false,
                       "ACTION " + std::to_string(b->Action) + " ALIGN " + std::to_string(b->Align) + " X " +
                           std::to_string(b->Xcoord) + " Y " + std::to_string(b->Ycoord) + " VIS " +
                           std::to_string(b->Visibility)));
    e.push_back(Of("Buttons", s.Buttons.get(), false, "1 NORMAL 2 PRESSED 3 DISABLED 4 HOT 5 FOCUSED"));
    e.push_back({"Buttons CheckButton", &s.Buttons->CheckImage, s.Buttons->CheckButtonFrame, false, 0, 0, 0, 0, ""});
    e.push_back({"Buttons RadioButton", &s.Buttons->RadioImage, s.Buttons->RadioButtonFrame, false, 0, 0, 0, 0, ""});
    e.push_back(Of("Progress", s.Progress.get()));
    e.push_back(Of("Progress.Chunk", s.ProgressChunk.get()));
    e.push_back(Of("GroupBoxEdge", s.GroupBoxEdge.get()));
    e.push_back(Of("GroupBox", s.GroupBox.get()));
    e.push_back(Of("Tabs", s.Tabs.get(), false, "1 NORMAL 2 SELECTED"));
    if (s.Tabs) e.push_back({"Tabs Border", &s.Tabs->SecondImage, 1, false, 4, 5, 4, 4, ""});
    e.push_back(Of("Tab.Pane", s.TabPane.get()));
    e.push_back(Of("StatusBarEdges", s.StatusBarEdges.get()));
    e.push_back(Of("ToolBars", s.ToolBars.get()));
    e.push_back(Of("ComboButton (built strip)", s.ComboButton.get()));
    e.push_back(Of("SunkEdge (built strip)", s.SunkEdge.get()));
    e.push_back(Of("ExtraImages", s.ExtraImages.get()));
    e.push_back(Of("ComboxArrow", s.ComboxArrow.get()));
    e.push_back(Of("Headerbar", s.Headerbar.get()));
    e.push_back(Of("MenuItem", s.MenuItem.get(), false, "1 NORMAL 2 SEPARATOR 4 SELECTED"));
    e.push_back(Of("MenuBackground", s.MenuBackground.get()));
    e.push_back(Of("Scrollbar", s.Scrollbar.get()));
    e.push_back(Of("HorzScroll", s.HorzScroll.get()));
    e.push_back(Of("VertScroll", s.VertScroll.get()));
    e.push_back(Of("HorzScrollThumb", s.HorzScrollThumb.get()));
    e.push_back(Of("VertScrollThumb", s.VertScrollThumb.get()));
    e.push_back(Of("Trackbar.ThumbHorz", s.TrackbarThumbHorz.get()));
    e.push_back(Of("Trackbar.ThumbVert", s.TrackbarThumbVert.get()));
    e.push_back(Of("Trackbar.ThumbLeft", s.TrackbarThumbLeft.get()));
    e.push_back(Of("Trackbar.ThumbRight", s.TrackbarThumbRight.get()));
    e.push_back(Of("Trackbar.ThumbUp", s.TrackbarThumbUp.get()));
    e.push_back(Of("Trackbar.ThumbDown", s.TrackbarThumbDown.get()));
    e.push_back(Of("UpDown.Horz", s.UpDownHorz.get()));
    if (s.UpDownHorz) e.push_back({"UpDown.Horz GlyphImage", &s.UpDownHorz->SecondImage, 8, false, 0, 0, 0, 0, ""});
    e.push_back(Of("UpDown.Vert", s.UpDownVert.get()));
    if (s.UpDownVert) e.push_back({"UpDown.Vert GlyphImage", &s.UpDownVert->SecondImage, 8, false, 0, 0, 0, 0, ""});
    e.push_back(Of("Track", s.Track.get()));
    e.push_back(Of("TRACKVERT", s.TrackVert.get()));
    e.push_back(Of("Toolbar (derived)", s.Toolbar.get()));
    return e;
}

int ZoomFor(const TEntry& e) {
    const int frames = std::max(1, e.Frames);
    const int cellW = e.Stacked ? e.Image->Width() : e.Image->Width() / frames;
    const int total = cellW * frames + 8 * frames;
    if (total * 4 <= kSheetWidth - 40 && e.Image->Height() <= 60) return 4;
    if (total * 3 <= kSheetWidth - 40) return 3;
    if (total * 2 <= kSheetWidth - 40) return 2;
    return 1;
}

// Lays out (and, with a canvas, draws) one entry at y; answers the height used.
int LayoutEntry(TCanvas* c, const TEntry& e, int y) {
    const int x0 = 20;
    std::string head = e.Name;
    if (e.Image) {
        head += "  " + std::to_string(e.Image->Width()) + "X" + std::to_string(e.Image->Height()) + "  FRAMES " +
                std::to_string(e.Frames) + (e.Stacked ? " STACKED" : "") + "  MARGINS " + std::to_string(e.L) + "," +
                std::to_string(e.T) + "," + std::to_string(e.R) + "," + std::to_string(e.B);
    }
    if (c) c->Text(x0, y, head, kInk, 2);
    int h = 20;
    if (!e.Note.empty()) {
        if (c) c->Text(x0, y + 18, e.Note, RGBColor(90, 90, 90), 1);
        h += 10;
    }
    if (!e.Image || e.Image->Empty() || e.Frames < 1) {
        if (c) c->Text(x0, y + h, "NO IMAGE", RGBColor(200, 40, 40), 2);
        return h + 24;
    }
    const int zoom = ZoomFor(e);
    const int n = e.Frames;
    int x = x0, rowTop = y + h, rowHeight = 0, used = 0;
    for (int i = 1; i <= n; ++i) {
        const TRect cell = FrameCell(e.Image->Width(), e.Image->Height(), n, i, e.Stacked);
        const int w = cell.Width() * zoom, ch = cell.Height() * zoom;
        if (x + w + 2 > kSheetWidth - 10 && x > x0) {
            x = x0;
            rowTop += rowHeight + 14;
            rowHeight = 0;
        }
        if (c) {
            c->Frame({x - 1, rowTop - 1, x + w + 1, rowTop + ch + 1}, kCellLine);
            c->Blit(*e.Image, cell, x, rowTop, zoom, true);
            // Nine-slice guides inside the cell.
            if (e.L > 0) c->Fill({x + e.L * zoom, rowTop, x + e.L * zoom + 1, rowTop + ch}, kGuide);
            if (e.R > 0) c->Fill({x + w - e.R * zoom, rowTop, x + w - e.R * zoom + 1, rowTop + ch}, kGuide);
            if (e.T > 0) c->Fill({x, rowTop + e.T * zoom, x + w, rowTop + e.T * zoom + 1}, kGuide);
            if (e.B > 0) c->Fill({x, rowTop + ch - e.B * zoom, x + w, rowTop + ch - e.B * zoom + 1}, kGuide);
            c->Text(x, rowTop + ch + 4, std::to_string(i), kInk, 1);
        }
        rowHeight = std::max(rowHeight, ch);
        x += w + 8;
        used = rowTop + rowHeight + 14 - y;
    }
    return used + 10;
}

int LayoutColours(TCanvas* c, const TSkinData& s, int y) {
    const TSkinColours& k = s.Colours;
    const std::pair<const char*, TColor> named[] = {{"WINDOWTEXT", k.WindowText},
                                                    {"BUTTONFACE", k.ButtonFace},
                                                    {"SCROLLBAR", k.Scrollbar},
                                                    {"HILIGHTTEXT", k.HilightText},
                                                    {"HILIGHT", k.Hilight},
                                                    {"MENUBAR", k.Menubar},
                                                    {"MENU", k.Menu},
                                                    {"MENUTEXT", k.MenuText},
                                                    {"BUTTONTEXT", k.ButtonText},
                                                    {"BUTTONHILIGHT", k.ButtonHilight},
                                                    {"BUTTONLIGHT", k.Buttonlight},
                                                    {"BUTTONSHADOW", k.ButtonShadow},
                                                    {"BUTTONDKSHADOW", k.ButtonDkShadow},
                                                    {"MENUBARTEXT", k.MenuBarText},
                                                    {"TITLETEXTACTIVE", k.TitleTextActive},
                                                    {"TITLETEXTNOACTIVE", k.TitleTextNoActive}};
    if (c) c->Text(20, y, "COLOURS", kInk, 2);
    int x = 20, row = y + 22;
    auto swatch = [&](const std::string& name, TColor colour) {
        if (x + 150 > kSheetWidth) {
            x = 20;
            row += 34;
        }
        if (c) {
            c->Fill({x, row, x + 24, row + 24}, colour);
            c->Frame({x, row, x + 24, row + 24}, kInk);
            c->Text(x + 30, row + 8, name, kInk, 1);
        }
        x += 156;
    };
    for (const auto& [name, colour] : named) swatch(name, colour);
    for (size_t i = 0; i < s.FExtraColours.size(); ++i) swatch("COLOUR" + std::to_string(i), s.FExtraColours[i]);
    for (size_t i = 0; i < s.FCustomColors.size(); ++i) swatch("CUSTOM" + std::to_string(i), s.FCustomColors[i]);
    return row + 40 - y;
}

int Layout(TCanvas* c, const TSkinData& s, const std::string& title, const TBitmap& preview) {
    int y = 16;
    if (c) c->Text(20, y, title + "  -  " + s.FSkinName, kInk, 3);
    y += 36;
    if (c) c->Blit(preview, {0, 0, preview.Width(), preview.Height()}, 20, y, 1, true);
    y += preview.Height() + 24;
    y += LayoutColours(c, s, y);
    for (const TEntry& e : Entries(s)) y += LayoutEntry(c, e, y);
    return y + 10;
}

}  // namespace

TBitmap RenderSheet(const TSkinData& skin, const std::string& title) {
    const TBitmap preview = RenderPreview(skin);
    const int height = Layout(nullptr, skin, title, preview);
    TCanvas canvas(kSheetWidth, height, RGBColor(252, 252, 252));
    Layout(&canvas, skin, title, preview);
    return canvas.Bitmap();
}

}  // namespace tw::contactsheet
