// Scroll bars: the arrow and grip strip, the tracks and the thumbs.
#include <algorithm>
#include <cmath>

#include "tools/skingen/Colour.h"
#include "tools/skingen/Painters.h"

namespace tw::skingen {

namespace {

// ---- scroll bars --------------------------------------------------------------------------

// One arrow button of the scroll strip; state: 0 normal, 1 pressed, 2 disabled, 3 hot.
TImage ScrollArrowCell(const TTheme& t, TArrow dir, int state) {
    const int n = 17;
    const Fill matte = Solid(t.ScrollTrack);
    TImage img(n, n);
    const int buttonState = state == 1 ? 2 : state == 2 ? 3 : state == 3 ? 4 : 1;
    TFaceStyle s = ButtonStyle(t, buttonState);
    s.HasRing = false;
    s.Radius = std::min(2.0, s.Radius);
    const bool horizontal = dir == TArrow::Left || dir == TArrow::Right;
    if (t.Flat && state == 0) {
        img.Fill(t.ScrollTrack);
    } else if (t.Bevel) {
        img.Fill(t.Face);
        PaintFaceInto(img, 0, 0, n, n, s, t);
    } else {
        // Inset by one pixel across the bar so the button sits inside the track.
        TImage face = PaintFace(horizontal ? n : n - 2, horizontal ? n - 2 : n, s, t, matte);
        img.Fill(t.ScrollTrack);
        img.Blit(face, horizontal ? 0 : 1, horizontal ? 1 : 0);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                if (img.At(x, y) == kKey) img.At(x, y) = t.ScrollTrack;
    }
    const Rgb glyph = state == 2               ? Mix(t.Shadow, t.Face, 0.4)
                      : state == 3 && !t.Bevel ? Darken(t.Accent, 0.15)
                                               : t.Glyph;
    const double shift = state == 1 && t.Bevel ? 1 : 0;
    Draw(img, ArrowShape(dir, n / 2.0 + shift, n / 2.0 + shift, 7), Solid(glyph));
    return img;
}

TImage GripCell(const TTheme& t, bool horizontal, int state) {
    const int n = 17;
    const Rgb thumbMid = Mix(state == 2 ? t.ButtonHotTop : t.ThumbTop, state == 2 ? t.ButtonHotBottom : t.ThumbBottom,
                             0.5);
    const Fill matte = Solid(thumbMid);
    TImage img(n, n);
    const Rgb dark = Mix(t.ThumbBorder, thumbMid, state == 1 ? 0.1 : 0.3), light = Lighten(thumbMid, 0.6);
    for (int i = -1; i <= 1; ++i) {
        const double c = n / 2.0 + 2.5 * i;
        if (horizontal) {
            Draw(img, Box(c - 0.5, 5, c + 0.5, 12), Solid(dark), matte);
            Draw(img, Box(c + 0.5, 5, c + 1.5, 12), Solid(light), matte);
        } else {
            Draw(img, Box(5, c - 0.5, 12, c + 0.5), Solid(dark), matte);
            Draw(img, Box(5, c + 0.5, 12, c + 1.5), Solid(light), matte);
        }
    }
    return img;
}

TImage ScrollStrip(const TTheme& t) {
    std::vector<TImage> frames;
    for (TArrow dir : {TArrow::Left, TArrow::Right, TArrow::Up, TArrow::Down})
        for (int state = 0; state < 4; ++state) frames.push_back(ScrollArrowCell(t, dir, state));
    for (bool horizontal : {true, false})
        for (int state : {0, 1, 2}) frames.push_back(GripCell(t, horizontal, state));
    frames.emplace_back(17, 17, t.Face);
    return TImage::JoinH(frames);
}

// The track between the arrows: 1 enabled, 2 pressed, 3 disabled, 4 hot.
TImage ScrollTrackStrip(const TTheme& t, bool horizontal) {
    const int along = 12, across = 17;
    std::vector<TImage> frames;
    for (int state = 1; state <= 4; ++state) {
        const Rgb base = state == 3 ? t.Face : state == 2 ? Darken(t.ScrollTrack, 0.08) : t.ScrollTrack;
        TImage img(horizontal ? along : across, horizontal ? across : along, base);
        if (!t.Flat && !t.Bevel) {
            const Rgb edge = Mix(base, t.Shadow, 0.25);
            if (horizontal) {
                Draw(img, Box(0, 0, along, across), VGradient(Mix(base, t.Shadow, 0.12), base, 0, 6));
                img.FillRect(0, 0, along, 1, edge);
            } else {
                Draw(img, Box(0, 0, across, along), HGradient(Mix(base, t.Shadow, 0.12), base, 0, 6));
                img.FillRect(0, 0, 1, along, edge);
            }
        }
        frames.push_back(img);
    }
    return TImage::JoinH(frames);
}

// Thumb body: 1 normal, 2 pressed, 3 hot.
TImage ThumbStrip(const TTheme& t, bool horizontal) {
    const int along = 16, across = 17;
    std::vector<TImage> frames;
    for (int state : {1, 2, 3}) {
        const Rgb top = state == 1 ? t.ThumbTop : state == 2 ? t.ButtonPressedTop : t.ButtonHotTop;
        const Rgb bottom = state == 1 ? t.ThumbBottom : state == 2 ? t.ButtonPressedBottom : t.ButtonHotBottom;
        const Rgb border = state == 1 ? t.ThumbBorder : t.ButtonHotBorder;
        const int w = horizontal ? along : across, h = horizontal ? across : along;
        TImage img(w, h);
        if (t.Bevel) {
            img.Fill(top);
            ClassicEdge(img, 0, 0, w, h, false, t);
        } else {
            const double r = std::min(3, t.ButtonRadius + 1);
            const Shape body = horizontal ? RoundBox(0, 1, w, h - 1, r) : RoundBox(1, 0, w - 1, h, r);
            TImage tmp(w, h, border);
            Draw(tmp, body,
                 t.Flat       ? Solid(top)
                 : horizontal ? VGradient(top, bottom, 1, h - 1)
                              : HGradient(top, bottom, 1, w - 1));
            Draw(tmp, Ring(body, 1), Solid(border));
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const double cover = std::clamp(0.5 - body(x + 0.5, y + 0.5), 0.0, 1.0);
                    if (cover > 0) img.At(x, y) = Mix(t.ScrollTrack, tmp.At(x, y), cover);
                }
        }
        frames.push_back(img);
    }
    return TImage::JoinH(frames);
}

}  // namespace

void BuildScrollbars(const TTheme& t, TSkinFiles& out) {
    TIniText& ini = out.Ini;
    ini.Section("Scrollbar");
    ini.Key("Image", out.AddImage("scrollbar.bmp", ScrollStrip(t)));
    Keys(ini, {{"Trans", 1}, {"Frame", 23}});
    ini.Section("HorzScroll");
    ini.Key("Image", out.AddImage("hscroll.bmp", ScrollTrackStrip(t, true)));
    Keys(ini, {{"LeftWidth", 2},
               {"RightWidth", 2},
               {"TopHeight", 0},
               {"BottomHeight", 0},
               {"Trans", 0},
               {"Tile", 0},
               {"Frame", 4}});
    ini.Section("VertScroll");
    ini.Key("Image", out.AddImage("vscroll.bmp", ScrollTrackStrip(t, false)));
    Keys(ini, {{"LeftWidth", 0},
               {"RightWidth", 0},
               {"TopHeight", 2},
               {"BottomHeight", 2},
               {"Trans", 0},
               {"Tile", 0},
               {"Frame", 4}});
    ini.Section("HorzScrollThumb");
    ini.Key("Image", out.AddImage("hthumb.bmp", ThumbStrip(t, true)));
    Keys(ini,
         {{"LeftWidth", 5}, {"RightWidth", 5}, {"TopHeight", 4}, {"BottomHeight", 4}, {"Trans", 1}, {"FrameCount", 3}});
    ini.Section("VertScrollThumb");
    ini.Key("Image", out.AddImage("vthumb.bmp", ThumbStrip(t, false)));
    Keys(ini,
         {{"LeftWidth", 4}, {"RightWidth", 4}, {"TopHeight", 5}, {"BottomHeight", 5}, {"Trans", 1}, {"FrameCount", 3}});
}

}  // namespace tw::skingen
