// Tabs, column headers, status bar, tool bar buttons, group boxes and menus.
#include <algorithm>

#include "tools/skingen/Colour.h"
#include "tools/skingen/Painters.h"

namespace tw::skingen {

namespace {

// Tab frames: 1 normal, 2 selected, 3 disabled, 4 hot, 5 normal again.
TImage TabCell(const TTheme& t, int frame) {
    const int w = 24, h = 22;
    const Fill matte = Solid(t.Face);
    TImage img(w, h);
    const bool selected = frame == 2;
    Rgb top = selected ? t.TabSelTop : t.TabTop, bottom = selected ? t.TabSelBottom : t.TabBottom;
    if (frame == 3) top = bottom = Mix(t.TabBottom, t.Face, 0.6);
    if (frame == 4) {
        top = Mix(t.TabTop, kWhite, 0.4);
        bottom = Mix(t.TabBottom, t.Accent, 0.08);
    }
    const Rgb border = t.Shadow;
    if (t.Bevel) {
        img.Fill(top);
        img.FillRect(0, 0, w, 1, t.Light);
        img.FillRect(0, 0, 1, h, t.Light);
        img.FillRect(w - 1, 0, 1, h, t.DkShadow);
        img.FillRect(w - 2, 1, 1, h - 1, t.Shadow);
        if (!selected) img.FillRect(0, h - 1, w, 1, t.Light);
        img.At(0, 0) = kKey;
        img.At(w - 1, 0) = kKey;
        return img;
    }
    const double r = std::min(4, t.ButtonRadius + 1);
    const Shape body = RoundBox(0, 0, w, h + r, r, r, 0, 0);
    Draw(img, body, t.Flat ? Solid(bottom) : VGradient(top, bottom, 0, h), matte);
    Draw(img, Ring(body, 1), Solid(border), matte);
    if (selected && !t.Flat)
        Draw(img, Intersect(Ring(RoundBox(0, 0, w, h + r, r, r, 0, 0), 2), Box(0, 0, w, 2)), Solid(t.Accent), matte);
    if (selected && t.Flat) Draw(img, Box(1, 0, w - 1, 2), Solid(t.Accent), matte);
    if (frame == 4) Draw(img, Intersect(Ring(body, 2), Box(0, 0, w, 2)), Solid(Mix(t.Accent, kWhite, 0.4)), matte);
    if (!selected) Draw(img, Box(0, h - 1, w, h), Solid(border));
    return img;
}

// The page frame under the tabs, opaque with a face-coloured centre.
TImage PaneCell(const TTheme& t) {
    const int n = 12;
    TImage img(n, n, t.Face);
    if (t.Bevel) {
        ClassicEdge(img, 0, 0, n, n, false, t);
        return img;
    }
    Draw(img, Ring(Box(0, 0, n, n), 1), Solid(t.Shadow));
    if (!t.Flat) Draw(img, Ring(Box(1, 1, n - 1, n - 1), 1), Solid(Mix(t.Face, kWhite, 0.6)));
    return img;
}

// Header frames: 1 normal, 2 hot, 3 pressed, 4 normal, 5 disabled.
TImage HeaderCell(const TTheme& t, int frame) {
    const int w = 20, h = 20;
    Rgb top = t.HeaderTop, bottom = t.HeaderBottom;
    if (frame == 2) top = t.HeaderHotTop, bottom = t.HeaderHotBottom;
    if (frame == 3) top = t.HeaderHotBottom, bottom = t.HeaderHotTop;
    if (frame == 5) top = bottom = t.Face;
    TImage img(w, h, bottom);
    if (t.Bevel) {
        img.Fill(t.Face);
        ClassicEdge(img, 0, 0, w, h, frame == 3, t);
        return img;
    }
    if (!t.Flat) Draw(img, Box(0, 0, w, h), VGradient(top, bottom, 0, h));
    img.FillRect(0, h - 1, w, 1, t.Shadow);
    img.FillRect(w - 2, 3, 1, h - 6, Mix(t.Shadow, bottom, 0.3));
    img.FillRect(w - 1, 3, 1, h - 6, Lighten(top, 0.6));
    if (frame == 2) img.FillRect(0, h - 2, w, 1, Mix(t.Accent, bottom, 0.3));
    return img;
}

// Status bar bevels: 1 lowered, 2 raised, 3 none.
TImage StatusCell(const TTheme& t, int frame) {
    const int w = 12, h = 20;
    TImage img(w, h, t.StatusTop);
    if (!t.Flat) Draw(img, Box(0, 0, w, h), VGradient(t.StatusTop, t.StatusBottom, 0, h));
    const Rgb dark = Mix(t.Shadow, t.StatusBottom, 0.2), light = Lighten(t.StatusTop, 0.7);
    if (frame == 1 || frame == 2) {
        const Rgb tl = frame == 1 ? dark : light, br = frame == 1 ? light : dark;
        img.FillRect(0, 0, w, 1, tl);
        img.FillRect(0, 0, 1, h, tl);
        img.FillRect(0, h - 1, w, 1, br);
        img.FillRect(w - 1, 0, 1, h, br);
    }
    return img;
}

// Tool bar button frames: 1 normal (bare), 2 pressed, 3 disabled (bare), 4 hot, 5 checked.
TImage ToolButtonCell(const TTheme& t, int frame) {
    const int n = 22;
    if (frame == 1 || frame == 3) return TImage(n, n);
    TFaceStyle s = ButtonStyle(t, frame == 4 ? 4 : 2);
    s.HasRing = false;
    if (frame == 5) {
        s.Top = Mix(t.Face, t.Accent, 0.12);
        s.Bottom = Mix(t.Face, t.Accent, 0.22);
        s.Border = Mix(t.Accent, t.Face, 0.3);
    }
    return PaintFace(n, n, s, t, Solid(t.Face));
}

TImage GroupEdgeCell(const TTheme& t, bool enabled) {
    const int n = 16;
    TImage img(n, n);
    const Rgb line = enabled ? t.Shadow : Mix(t.Shadow, t.Face, 0.5);
    const double r = t.Bevel ? 0 : 5;
    if (!t.Bevel && !t.Flat) Draw(img, Ring(RoundBox(1, 1, n, n, r), 1), Solid(Lighten(t.Face, 0.7)), Solid(t.Face));
    Draw(img, Ring(RoundBox(0, 0, n - 1, n - 1, r), 1), Solid(line), Solid(t.Face));
    return img;
}

TImage GroupLabelCell(const TTheme& t) {
    const int w = 24, h = 18;
    TImage img(w, h);
    const Rgb back = t.Flat ? t.Face : Mix(t.Face, kWhite, 0.35);
    Draw(img, RoundBox(0, 0, w, h, t.Bevel ? 0 : 6), Solid(back), Solid(t.Face));
    if (!t.Flat)
        Draw(img, Ring(RoundBox(0, 0, w, h, t.Bevel ? 0 : 6), 1), Solid(Mix(t.Shadow, t.Face, 0.5)), Solid(t.Face));
    return img;
}

// Menu item frames: 1 normal (bare), 2 separator, 3 disabled (bare), 4 selected, 5 selected and disabled.
TImage MenuItemCell(const TTheme& t, int frame) {
    const int w = 24, h = 22;
    TImage img(w, h);
    const Fill matte = Solid(t.Menu);
    if (frame == 2) {
        // Separators are cut from the bottom of the cell; the line sits where a short item centres it.
        Draw(img, Box(1, h - 5, w - 1, h - 4), Solid(Mix(t.MenuBorder, t.Menu, 0.35)));
        if (!t.Flat) Draw(img, Box(1, h - 4, w - 1, h - 3), Solid(Lighten(t.Menu, 0.8)));
    } else if (frame == 4 || frame == 5) {
        const Rgb top = frame == 4 ? t.MenuSelTop : Mix(t.Menu, t.Shadow, 0.15);
        const Rgb bottom = frame == 4 ? t.MenuSelBottom : Mix(t.Menu, t.Shadow, 0.25);
        const double r = t.Bevel || t.Flat ? 0 : 3;
        const Shape body = t.Bevel ? Box(0, 0, w, h) : RoundBox(1, 0, w - 1, h, r);
        Draw(img, body, t.Flat || t.Bevel ? Solid(bottom) : VGradient(top, bottom, 0, h), matte);
        if (!t.Flat && !t.Bevel) Draw(img, Ring(body, 1), Solid(Darken(bottom, 0.2)), matte);
    }
    return img;
}

TImage MenuBackgroundImage(const TTheme& t, int gutter) {
    const int w = gutter + 16, h = 40;
    TImage img(w, h, t.Menu);
    if (gutter > 2) {
        img.FillRect(1, 1, gutter - 1, h - 2, t.MenuGutter);
        img.FillRect(gutter, 1, 1, h - 2, Mix(t.MenuGutter, t.MenuBorder, 0.35));
    }
    if (t.Bevel) {
        ClassicEdge(img, 0, 0, w, h, false, t);
    } else {
        Draw(img, Ring(Box(0, 0, w, h), 1), Solid(t.MenuBorder));
    }
    return img;
}

}  // namespace

void BuildPanels(const TTheme& t, TSkinFiles& out) {
    TIniText& ini = out.Ini;

    ini.Section("Tabs");
    ini.Key("Image", out.AddImage("tabs.bmp", TImage::JoinH({TabCell(t, 1), TabCell(t, 2), TabCell(t, 3), TabCell(t, 4),
                                                             TabCell(t, 5)})));
    ini.Key("Border", out.AddImage("tabborder.bmp", PaneCell(t)));
    Keys(ini, {{"Style", t.TabsStyle},
               {"LeftWidth", 5},
               {"RightWidth", 5},
               {"TopHeight", 5},
               {"BottomHeight", 2},
               {"Trans", 1},
               {"Tile", 0}});
    ini.Key("NormalColour2", TripletOf(t.TabText));
    ini.Key("MouseOverColour2", TripletOf(t.TabSelText));
    ini.Key("PressedColour2", TripletOf(t.TabSelText));
    ini.Section("Tab.Pane");
    ini.Key("Image", out.AddImage("tabpane.bmp", PaneCell(t)));
    Keys(ini, {{"LeftWidth", 3}, {"RightWidth", 3}, {"TopHeight", 3}, {"BottomHeight", 3}, {"Trans", 0}, {"Tile", 0}});

    ini.Section("Headerbar");
    ini.Key("Image", out.AddImage("header.bmp", TImage::JoinH({HeaderCell(t, 1), HeaderCell(t, 2), HeaderCell(t, 3),
                                                               HeaderCell(t, 4), HeaderCell(t, 5)})));
    Keys(ini, {{"LeftWidth", 2},
               {"RightWidth", 3},
               {"TopHeight", 3},
               {"BottomHeight", 3},
               {"Trans", 0},
               {"Tile", 0},
               {"Frame", 5}});
    ini.Key("NormalColour2", TripletOf(t.HeaderText));

    ini.Section("StatusBarEdges");
    ini.Key("Image", out.AddImage("status.bmp", TImage::JoinH({StatusCell(t, 1), StatusCell(t, 2), StatusCell(t, 3)})));
    Keys(ini, {{"LeftWidth", 2},
               {"RightWidth", 2},
               {"TopHeight", 2},
               {"BottomHeight", 2},
               {"Trans", 0},
               {"Tile", 0},
               {"Frame", 3}});
    ini.Key("NormalColour2", TripletOf(t.StatusText));

    ini.Section("ToolBars");
    ini.Key("Image",
            out.AddImage("toolbar.bmp", TImage::JoinH({ToolButtonCell(t, 1), ToolButtonCell(t, 2), ToolButtonCell(t, 3),
                                                       ToolButtonCell(t, 4), ToolButtonCell(t, 5)})));
    Keys(ini, {{"LeftWidth", 4},
               {"RightWidth", 4},
               {"TopHeight", 4},
               {"BottomHeight", 4},
               {"Trans", 1},
               {"Tile", 0},
               {"Frame", 5}});

    ini.Section("GroupBoxEdge");
    ini.Key("Image", out.AddImage("groupedge.bmp", TImage::JoinH({GroupEdgeCell(t, true), GroupEdgeCell(t, false)})));
    Keys(ini, {{"LeftWidth", 6},
               {"RightWidth", 6},
               {"TopHeight", 6},
               {"BottomHeight", 6},
               {"Trans", 1},
               {"Tile", 0},
               {"Frame", 2}});
    ini.Section("GroupBox");
    ini.Key("Image", out.AddImage("grouplabel.bmp", GroupLabelCell(t)));
    Keys(ini, {{"LeftWidth", 7},
               {"RightWidth", 7},
               {"TopHeight", 0},
               {"BottomHeight", 0},
               {"Trans", 1},
               {"Tile", 0},
               {"BackgroundAlignment", 0},
               {"BackgroundLeftShift", 4},
               {"BackgroundRightShift", 4}});

    ini.Section("MenuItem");
    ini.Key("Image",
            out.AddImage("menuitem.bmp", TImage::JoinH({MenuItemCell(t, 1), MenuItemCell(t, 2), MenuItemCell(t, 3),
                                                        MenuItemCell(t, 4), MenuItemCell(t, 5)})));
    // Margins clear the highlight's rounded corners so stretching never repeats a curved column.
    Keys(ini, {{"LeftWidth", 4},
               {"RightWidth", 4},
               {"TopHeight", 4},
               {"BottomHeight", 4},
               {"Trans", 1},
               {"Tile", 0},
               {"Frame", 5}});
    const int gutter = t.MenuGutter == t.Menu ? 2 : 24;
    ini.Section("MenuBackground");
    ini.Key("Image", out.AddImage("menuback.bmp", MenuBackgroundImage(t, gutter)));
    Keys(ini, {{"LeftWidth", gutter + 2},
               {"RightWidth", 3},
               {"TopHeight", 3},
               {"BottomHeight", 3},
               {"Trans", 0},
               {"Tile", 0},
               {"Frame", 1}});
}

}  // namespace tw::skingen
