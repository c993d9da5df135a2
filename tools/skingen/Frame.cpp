// The window frame: borders cut from one painted model window, title settings, caption buttons,
// the MDI buttons and the menu band.
#include <algorithm>
#include <cmath>

#include "tools/skingen/Colour.h"
#include "tools/skingen/Painters.h"

namespace tw::skingen {

namespace {

struct TTitleBand {
    int Top, Bottom;  // rows of the title colour band in window coordinates
};

TTitleBand TitleBand(const TTheme& t) {
    // Classic frames keep a face-coloured rim around an inset title band.
    if (t.Bevel) return {t.SideWidth, t.TitleHeight - 1};
    return {0, t.TitleHeight};
}

Fill TitleFill(const TTheme& t, bool active, int yOffset = 0) {
    const TTitleBand band = TitleBand(t);
    const Rgb top = active ? t.TitleTop : t.TitleInactiveTop;
    const Rgb bottom = active ? t.TitleBottom : t.TitleInactiveBottom;
    Fill base = t.Flat    ? Solid(bottom)
                : t.Gloss ? GlossFill(top, bottom, band.Top, band.Bottom, 0.35)
                          : VGradient(top, bottom, band.Top, band.Bottom);
    if (t.Grain) {
        // Grain varies by row only, so the horizontally stretched title keeps it intact.
        base = [base](int x, int y) {
            const double g = std::sin(y * 2.3) * 0.5 + std::sin(y * 0.9 + 1.7) * 0.35 + std::sin(y * 5.1) * 0.15;
            const Rgb c = base(x, y);
            return g > 0 ? Mix(c, kWhite, g * 0.05) : Mix(c, kBlack, -g * 0.07);
        };
    }
    return [base, yOffset](int x, int y) { return base(x, y + yOffset); };
}

TImage PaintWindow(const TTheme& t, bool active, int w, int h) {
    const int s = t.SideWidth, b = t.BottomHeight, th = t.TitleHeight;
    const double rt = t.Shaped ? t.TopRadius : 0, rb = t.Shaped ? t.BottomRadius : 0;
    TImage img(w, h);
    const Shape outer = RoundBox(0, 0, w, h, rt, rt, rb, rb);
    Draw(img, outer, Solid(active ? t.FrameEdge : t.FrameEdgeInactive));
    const TTitleBand band = TitleBand(t);
    if (t.Bevel) {
        Draw(img, Box(s, band.Top, w - s, band.Bottom), TitleFill(t, active));
        ClassicEdge(img, 0, 0, w, h, false, t);
        return img;
    }
    Draw(img, Intersect(outer, Box(0, 0, w, th)), TitleFill(t, active));
    const Rgb top = active ? t.TitleTop : t.TitleInactiveTop;
    if (!t.Flat) {
        const Shape inner = RoundBox(1, 1, w - 1, h - 1, std::max(rt - 1, 0.0), std::max(rt - 1, 0.0),
                                     std::max(rb - 1, 0.0), std::max(rb - 1, 0.0));
        Draw(img, Intersect(Ring(inner, 1), Box(0, 0, w, th * 0.6)), Solid(Mix(top, kWhite, 0.45)));
    }
    Draw(img, Ring(Box(s - 1, th - 1, w - s + 1, h - b + 1), 1), Solid(active ? t.FrameInner : t.FrameInnerInactive));
    Draw(img, Ring(outer, 1), Solid(active ? t.FrameOutline : t.FrameOutlineInactive));
    return img;
}

enum TCaptionKind { ckClose, ckMax, ckRestore, ckMin };

Shape CaptionGlyph(TCaptionKind kind, double cx, double cy, double g, double stroke) {
    const double x0 = std::floor(cx - g / 2), y0 = std::floor(cy - g / 2);
    const double x1 = x0 + g, y1 = y0 + g;
    switch (kind) {
        case ckClose: {
            const double d = stroke * 0.35;
            return Union(Segment(x0 + d, y0 + d, x1 - d, y1 - d, stroke),
                         Segment(x1 - d, y0 + d, x0 + d, y1 - d, stroke));
        }
        case ckMax:
            return Union(Ring(Box(x0, y0, x1, y1), 1), Box(x0, y0, x1, y0 + 2));
        case ckRestore: {
            const double o = std::max(2.0, std::round(g / 4));
            const Shape back = Subtract(Union(Ring(Box(x0 + o, y0, x1, y1 - o), 1), Box(x0 + o, y0, x1, y0 + 2)),
                                        Box(x0, y0 + o, x1 - o, y1));
            const Shape front = Union(Ring(Box(x0, y0 + o, x1 - o, y1), 1), Box(x0, y0 + o, x1 - o, y0 + o + 2));
            return Union(back, front);
        }
        case ckMin:
            return Box(x0, y1 - 2, x1, y1);
    }
    return Box(0, 0, 0, 0);
}

// Caption button states: 1 normal, 2 pressed, 3 hot, 4 inactive, 5 disabled, 6 inactive and hot.
TImage CaptionCell(const TTheme& t, TCaptionKind kind, int state, int yCoord) {
    const int w = t.CaptionWidth, h = t.CaptionHeight;
    const bool active = state != 4 && state != 6;
    const Fill matte = TitleFill(t, active, yCoord);
    TImage img(w, h);
    const bool close = kind == ckClose;
    Rgb face = close ? t.CloseFace : t.CapFace;
    if (state == 2) face = close ? t.ClosePressed : t.CapFacePressed;
    if (state == 3 || state == 6) face = close ? t.CloseHot : t.CapFaceHot;
    if (state == 4) face = Desaturate(Lighten(face, 0.3), 0.8);
    if (state == 5) face = Desaturate(Lighten(face, 0.45), 0.9);
    Rgb glyph = t.CapGlyph;
    if (state == 4) glyph = t.CapGlyphInactive;
    if (state == 5) glyph = Mix(t.CapGlyphInactive, face, 0.45);
    if (close && (state == 2 || state == 3 || state == 6)) glyph = t.CloseGlyph;
    double stroke = 2.0;

    if (t.CaptionShape == "square") {
        TFaceStyle s;
        s.Top = Lighten(face, 0.2);
        s.Bottom = face;
        s.Bevel = true;
        s.Flat = t.Flat;
        s.Pressed = state == 2;
        img.Fill(face);
        PaintFaceInto(img, 0, 0, w, h, s, t);
    } else if (t.CaptionShape == "flat") {
        stroke = 1.3;
        if (state == 2 || state == 3 || state == 6) Draw(img, Box(0, 0, w, h), Solid(face));
    } else {
        TFaceStyle s;
        s.Top = Lighten(face, 0.35);
        s.Bottom = face;
        s.Border = state == 4 || state == 5 ? Mix(t.CapOutline, t.TitleInactiveBottom, 0.5) : t.CapOutline;
        s.Gloss = t.Gloss && state != 2;
        s.Pressed = state == 2;
        if (t.CaptionShape == "circle") {
            const double r = std::min(w, h) / 2.0 - 0.5;
            const double cx = w / 2.0, cy = h / 2.0;
            TImage tmp(w, h, s.Border);
            Draw(tmp, Circle(cx, cy, r),
                 s.Gloss ? GlossFill(s.Top, s.Bottom, cy - r, cy + r) : VGradient(s.Top, s.Bottom, cy - r, cy + r));
            Draw(tmp, Ring(Circle(cx, cy, r), 1), Solid(s.Border));
            const Shape outer = Circle(cx, cy, r);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const double cover = std::clamp(0.5 - outer(x + 0.5, y + 0.5), 0.0, 1.0);
                    if (cover > 0) img.At(x, y) = Mix(matte(x, y), tmp.At(x, y), cover);
                }
        } else {
            s.Radius = std::min(4, t.ButtonRadius + 1);
            img = PaintFace(w, h, s, t, matte);
        }
    }
    const double g = std::round(std::min(w, h) * (t.CaptionShape == "flat" ? 0.42 : 0.45));
    Draw(img, CaptionGlyph(kind, w / 2.0, h / 2.0, g, stroke), Solid(glyph), matte);
    return img;
}

TImage CaptionStrip(const TTheme& t, TCaptionKind kind, int yCoord) {
    std::vector<TImage> frames;
    for (int state = 1; state <= t.CaptionFrames; ++state) frames.push_back(CaptionCell(t, kind, state, yCoord));
    return TImage::JoinH(frames);
}

// MDI child buttons in the menu band: minimise, restore, close, four states each
// (normal, pressed, hot, hot in the band).
TImage MdiStrip(const TTheme& t) {
    const int w = 16, h = 14;
    const Fill matte = Solid(t.MenuBar);
    std::vector<TImage> frames;
    for (TCaptionKind kind : {ckMin, ckRestore, ckClose}) {
        for (int state : {1, 2, 4, 4}) {
            TFaceStyle s = ButtonStyle(t, state);
            s.Radius = std::min(s.Radius, 2.0);
            TImage img = PaintFace(w, h, s, t, matte);
            Draw(img, CaptionGlyph(kind, w / 2.0, h / 2.0, 6, 1.5), Solid(t.ButtonText));
            frames.push_back(img);
        }
    }
    return TImage::JoinH(frames);
}

TImage MenuBand(const TTheme& t) {
    const int w = 32, h = 20;
    std::vector<TImage> frames;
    for (bool active : {true, false}) {
        const Rgb base = active ? t.MenuBar : Desaturate(Lighten(t.MenuBar, 0.2), 0.5);
        TImage img(w, h, base);
        if (!t.Flat) Draw(img, Box(0, 0, w, h), VGradient(Mix(base, kWhite, 0.45), base, 0, h));
        Draw(img, Box(0, h - 1, w, h), Solid(Mix(base, t.Shadow, 0.6)));
        frames.push_back(img);
    }
    return TImage::JoinV(frames);
}

TImage TitleTextBack(const TTheme& t, int yCoord, int h) {
    std::vector<TImage> frames;
    for (bool active : {true, false}) {
        const Fill matte = TitleFill(t, active, yCoord);
        const Rgb back = Mix(active ? t.TitleBottom : t.TitleInactiveBottom, kBlack, 0.12);
        TImage img(48, h);
        Draw(img, RoundBox(0, 0, 48, h, 4), Solid(back), matte);
        frames.push_back(img);
    }
    return TImage::JoinH(frames);
}

}  // namespace

void BuildFrame(const TTheme& t, TSkinFiles& out) {
    const int s = t.SideWidth, b = t.BottomHeight, th = t.TitleHeight;
    const int rt = t.Shaped ? t.TopRadius : 0, rb = t.Shaped ? t.BottomRadius : 0;
    const int cap = std::max(rt, rb) + 3;
    const int topMargin = std::max(th, rt) + 1, botMargin = std::max(b, rb) + 2;
    const int w = 2 * s + 2 * cap + 16, h = topMargin + 8 + botMargin;
    const TImage active = PaintWindow(t, true, w, h), inactive = PaintWindow(t, false, w, h);

    const std::string left = out.AddImage("left.bmp",
                                          TImage::JoinH({active.Crop(0, 0, s, h), inactive.Crop(0, 0, s, h)}));
    const std::string right = out.AddImage("right.bmp",
                                           TImage::JoinH({active.Crop(w - s, 0, s, h), inactive.Crop(w - s, 0, s, h)}));
    const std::string top = out.AddImage(
        "top.bmp", TImage::JoinV({active.Crop(s, 0, w - 2 * s, th), inactive.Crop(s, 0, w - 2 * s, th)}));
    const std::string bottom = out.AddImage(
        "bottom.bmp", TImage::JoinV({active.Crop(s, h - b, w - 2 * s, b), inactive.Crop(s, h - b, w - 2 * s, b)}));

    const TTitleBand band = TitleBand(t);
    const int bandHeight = band.Bottom - band.Top;
    const int capY = band.Top + (bandHeight - t.CaptionHeight + 1) / 2;
    const int iconY = band.Top + (bandHeight - 16 + 1) / 2;
    const int iconX = s + (t.Bevel ? 2 : 4);
    const int textBackHeight = std::max(8, bandHeight - 8);
    const int textBackY = band.Top + (bandHeight - textBackHeight) / 2;
    const std::string textBack = out.AddImage("titletext.bmp", TitleTextBack(t, textBackY, textBackHeight));
    const std::string menuBar = out.AddImage("menubar.bmp", MenuBand(t));

    // Buttons from the right edge: close, then maximise/restore, then minimise.
    const int edge = s + (t.CaptionShape == "flat" ? 0 : 3);
    const int step = t.CaptionWidth + t.CaptionGap;
    const int closeX = edge + t.CaptionWidth, maxX = closeX + step, minX = maxX + step;

    TIniText& ini = out.Ini;
    ini.Section("Personality");
    const struct {
        const char* key;
        const std::string& image;
        int m1, m2;
    } borders[] = {{"Left", left, topMargin, botMargin},
                   {"Right", right, topMargin, botMargin},
                   {"Top", top, cap, cap},
                   {"Bottom", bottom, cap, cap}};
    for (const auto& e : borders) {
        const std::string k = e.key;
        ini.Key(k, e.image);
        ini.Key(k + "TopHeight", e.m1);
        ini.Key(k + "BotHeight", e.m2);
        ini.Key(k + "Frame", 2);
        ini.Key(k + "Stretch", 1);
        ini.Key(k + "Trans", t.Shaped ? 1 : 0);
    }
    ini.Key("TextBack", textBack);
    ini.Key("TextShift", iconX + 16 + 6);
    ini.Key("TextShiftVert", band.Top + (bandHeight - t.FontHeight) / 2 - 1);
    ini.Key("TextRightClip", minX + 6);
    ini.Key("TextAlignment", 0);
    ini.Key("Textbackground", 0);
    ini.Key("TXTBackleft", 6);
    ini.Key("TXTBackRight", 6);
    for (const auto& [prefix, c] :
         {std::pair<const char*, Rgb>{"ActiveText", t.TitleText}, {"InActiveText", t.TitleTextInactive}}) {
        ini.Key(std::string(prefix) + "R", c.r);
        ini.Key(std::string(prefix) + "G", c.g);
        ini.Key(std::string(prefix) + "B", c.b);
    }
    ini.Key("menuBar", menuBar);
    ini.Key("TileMenu", 1);
    ini.Key("TileLeftMenu", 2);
    ini.Key("TileRightMenu", 2);

    ini.Section("Fonts");
    ini.Key("FontHeight", t.FontHeight);

    // Minimise sits beside maximise when the window has a maximise box (visibility 6) and
    // moves into its place when it has none (visibility 7), so no gap opens in the row.
    const std::string minimize = out.AddImage("minimize.bmp", CaptionStrip(t, ckMin, capY));
    const struct {
        const char* section;
        std::string image;
        int action, visibility, x;
    } buttons[] = {{"ButtonClose", out.AddImage("close.bmp", CaptionStrip(t, ckClose, capY)), 0, 0, closeX},
                   {"ButtonMaximize", out.AddImage("maximize.bmp", CaptionStrip(t, ckMax, capY)), 1, 2, maxX},
                   {"ButtonRestore", out.AddImage("restore.bmp", CaptionStrip(t, ckRestore, capY)), 1, 1, maxX},
                   {"ButtonMinimize", minimize, 2, 6, minX},
                   {"ButtonMinimizeAlone", minimize, 2, 7, maxX}};
    for (const auto& e : buttons) {
        const std::string& image = e.image;
        ini.Section(e.section);
        ini.Key("ButtonImage", image);
        ini.Key("Action", e.action);
        ini.Key("Align", 1);
        ini.Key("Xcoord", e.x);
        ini.Key("Ycoord", capY);
        ini.Key("Visibility", e.visibility);
        ini.Key("frame", t.CaptionFrames);
    }
    // The system-menu button shows the window's own icon; it needs no image.
    ini.Section("ButtonSysMenu");
    ini.Key("Action", 3);
    ini.Key("Align", 0);
    ini.Key("Xcoord", iconX);
    ini.Key("Ycoord", iconY);
    ini.Key("Visibility", 0);
    ini.Key("frame", 1);

    ini.Section("MDICONTROLS");
    ini.Key("Image", out.AddImage("mdicontrols.bmp", MdiStrip(t)));
}

}  // namespace tw::skingen
