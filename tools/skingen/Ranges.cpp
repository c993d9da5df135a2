// Progress bars, track bars and up-down buttons.
#include <algorithm>
#include <cmath>

#include "tools/skingen/Colour.h"
#include "tools/skingen/Painters.h"

namespace tw::skingen {

namespace {

// ---- progress bars ------------------------------------------------------------------------

TImage ProgressTroughCell(const TTheme& t, int w, int h) {
    TImage img(w, h);
    if (t.Bevel) {
        img.Fill(t.ProgressTrough);
        ClassicEdge(img, 0, 0, w, h, true, t);
        return img;
    }
    const double r = std::min(3, t.ButtonRadius);
    Draw(img, RoundBox(0, 0, w, h, r),
         t.Flat ? Solid(t.ProgressTrough)
                : VGradient(Mix(t.ProgressTrough, t.Shadow, 0.15), t.ProgressTrough, 0, h * 0.6),
         Solid(t.Face));
    Draw(img, Ring(RoundBox(0, 0, w, h, r), 1), Solid(t.FieldBorder), Solid(t.Face));
    return img;
}

TImage ProgressFillCell(const TTheme& t, int w, int h) {
    TImage img(w, h);
    const double r = std::max(0, std::min(3, t.ButtonRadius) - 1);
    const Shape bar = RoundBox(2, 2, w - 2, h - 2, r);
    const Fill fill = t.Flat    ? Solid(t.ProgressBottom)
                      : t.Gloss ? GlossFill(t.ProgressTop, t.ProgressBottom, 2, h - 2)
                                : VGradient(t.ProgressTop, t.ProgressBottom, 2, h - 2);
    Draw(img, bar, fill, Solid(t.ProgressTrough));
    if (!t.Flat) Draw(img, Ring(bar, 1), Solid(Darken(t.ProgressBottom, 0.15)), Solid(t.ProgressTrough));
    return img;
}

TImage ChunkCell(const TTheme& t) {
    const int w = 10, h = 12;
    TImage img(w, h, t.ProgressTrough);
    Draw(img, Box(0, 0, 8, h), t.Flat ? Solid(t.ProgressBottom) : VGradient(t.ProgressTop, t.ProgressBottom, 0, h));
    return img;
}

// ---- track bars ---------------------------------------------------------------------------

TImage TrackImage(const TTheme& t, bool vertical) {
    const int len = 24, thick = 6;
    const int w = vertical ? thick : len, h = vertical ? len : thick;
    TImage img(w, h, t.Face);
    if (t.Bevel) {
        img.Fill(t.Field);
        ClassicEdge(img, 0, 0, w, h, true, t);
        return img;
    }
    const Shape groove = RoundBox(0, 0, w, h, 3);
    Draw(img, groove,
         vertical ? HGradient(Mix(t.TrackGroove, t.Field, 0.5), t.Field, 0, w)
                  : VGradient(Mix(t.TrackGroove, t.Field, 0.5), t.Field, 0, h),
         Solid(t.Face));
    Draw(img, Ring(groove, 1), Solid(t.TrackGroove), Solid(t.Face));
    return img;
}

enum TThumbShape { tsBlock, tsPointDown, tsPointUp, tsPointRight, tsPointLeft };

// Thumb frames: 1 and 2 normal (the track painter uses 2), 3 pressed, 4 hot, 5 disabled.
TImage TrackThumbStrip(const TTheme& t, TThumbShape shape, bool vertical) {
    const int w = vertical ? 21 : 11, h = vertical ? 11 : 21;
    std::vector<TImage> frames;
    for (int frame = 1; frame <= 5; ++frame) {
        const int state = frame <= 2 ? 1 : frame == 3 ? 2 : frame == 4 ? 4 : 3;
        TFaceStyle s = ButtonStyle(t, state);
        Shape body;
        switch (shape) {
            case tsBlock:
                body = RoundBox(0, 0, w, h, std::min(2, t.ButtonRadius));
                break;
            case tsPointDown:
                body = Polygon({{0, 0}, {11, 0}, {11, 15}, {5.5, 21}, {0, 15}});
                break;
            case tsPointUp:
                body = Polygon({{0, 21}, {11, 21}, {11, 6}, {5.5, 0}, {0, 6}});
                break;
            case tsPointRight:
                body = Polygon({{0, 0}, {15, 0}, {21, 5.5}, {15, 11}, {0, 11}});
                break;
            case tsPointLeft:
                body = Polygon({{21, 0}, {6, 0}, {0, 5.5}, {6, 11}, {21, 11}});
                break;
        }
        TImage tmp(w, h, s.Border);
        Draw(tmp, body,
             t.Flat     ? Solid(s.Top)
             : vertical ? HGradient(s.Top, s.Bottom, 0, w)
                        : VGradient(s.Top, s.Bottom, 0, h));
        Draw(tmp, Ring(body, 1), Solid(s.Bevel ? t.DkShadow : s.Border));
        TImage img(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const double cover = std::clamp(0.5 - body(x + 0.5, y + 0.5), 0.0, 1.0);
                if (cover > 0) img.At(x, y) = Mix(t.Face, tmp.At(x, y), cover);
            }
        frames.push_back(img);
    }
    return TImage::JoinH(frames);
}

// ---- up-down buttons ----------------------------------------------------------------------

// Frames 1-4 the up (or left) half, 5-8 the down (or right) half: normal, pressed, disabled, hot.
TImage UpDownStrip(const TTheme& t, bool horizontal) {
    const int w = horizontal ? 10 : 15, h = horizontal ? 15 : 10;
    std::vector<TImage> frames;
    for (int half = 0; half < 2; ++half)
        for (int state : {1, 2, 3, 4}) {
            TFaceStyle s = ButtonStyle(t, state);
            s.HasRing = false;
            TImage img(w, h, t.Face);
            if (t.Bevel) {
                PaintFaceInto(img, 0, 0, w, h, s, t);
            } else {
                const double r = std::min(2, t.ButtonRadius);
                // Round only the outer corners of each half so the pair reads as one control.
                const Shape body =
                    horizontal ? (half == 0 ? RoundBox(0, 0, w, h, r, 0, 0, r) : RoundBox(0, 0, w, h, 0, r, r, 0))
                               : (half == 0 ? RoundBox(0, 0, w, h, r, r, 0, 0) : RoundBox(0, 0, w, h, 0, 0, r, r));
                Draw(img, body, t.Flat ? Solid(s.Top) : VGradient(s.Top, s.Bottom, 0, h));
                Draw(img, Ring(body, 1), Solid(s.Border));
            }
            frames.push_back(img);
        }
    return TImage::JoinH(frames);
}

TImage UpDownGlyphs(const TTheme& t, bool horizontal) {
    const int w = horizontal ? 5 : 7, h = horizontal ? 7 : 5;
    std::vector<TImage> frames;
    for (int half = 0; half < 2; ++half)
        for (int state : {1, 2, 3, 4}) {
            const TFaceStyle s = ButtonStyle(t, state);
            const Fill matte = Solid(Mix(s.Top, s.Bottom, 0.5));
            TImage img(w, h);
            const TArrow dir = horizontal ? (half == 0 ? TArrow::Left : TArrow::Right)
                                          : (half == 0 ? TArrow::Up : TArrow::Down);
            const Rgb glyph = state == 3               ? Mix(t.Shadow, t.Face, 0.3)
                              : state == 4 && !t.Bevel ? Darken(t.Accent, 0.1)
                                                       : t.Glyph;
            Draw(img, ArrowShape(dir, w / 2.0, h / 2.0, 7), Solid(glyph), matte);
            frames.push_back(img);
        }
    return TImage::JoinH(frames);
}

}  // namespace

void BuildRanges(const TTheme& t, TSkinFiles& out) {
    TIniText& ini = out.Ini;
    ini.Section("Progress");
    if (t.ProgressStyle == 1) {
        ini.Key("Bitmap", out.AddImage("progress.bmp", ProgressTroughCell(t, 24, 18)));
    } else {
        ini.Key("Bitmap", out.AddImage("progress.bmp",
                                       TImage::JoinH({ProgressTroughCell(t, 24, 18), ProgressFillCell(t, 24, 18)})));
    }
    Keys(ini, {{"Style", t.ProgressStyle},
               {"LeftWidth", 4},
               {"RightWidth", 4},
               {"TopHeight", 4},
               {"BottomHeight", 4},
               {"Trans", 1},
               {"Tile", 0}});
    ini.Section("Progress.Chunk");
    ini.Key("Image", out.AddImage("chunk.bmp", ChunkCell(t)));
    Keys(ini, {{"LeftWidth", 0}, {"RightWidth", 0}, {"TopHeight", 0}, {"BottomHeight", 0}, {"Tile", 1}, {"Frame", 1}});

    if (t.TrackImages) {
        ini.Section("Track");
        ini.Key("Image", out.AddImage("track.bmp", TrackImage(t, false)));
        Keys(ini, {{"LeftWidth", 3}, {"RightWidth", 3}, {"TopHeight", 0}, {"BottomHeight", 0}, {"Frame", 1}});
        ini.Section("TRACKVERT");
        ini.Key("Image", out.AddImage("trackvert.bmp", TrackImage(t, true)));
        Keys(ini, {{"LeftWidth", 0}, {"RightWidth", 0}, {"TopHeight", 3}, {"BottomHeight", 3}, {"Frame", 1}});
    }
    const struct {
        const char* section;
        const char* file;
        TThumbShape shape;
        bool vertical;
    } thumbs[] = {{"Trackbar.ThumbHorz", "thumbhorz.bmp", tsBlock, false},
                  {"Trackbar.ThumbVert", "thumbvert.bmp", tsBlock, true},
                  {"Trackbar.ThumbLeft", "thumbleft.bmp", tsPointLeft, true},
                  {"Trackbar.ThumbRight", "thumbright.bmp", tsPointRight, true},
                  {"Trackbar.ThumbUp", "thumbup.bmp", tsPointUp, false},
                  {"Trackbar.ThumbDown", "thumbdown.bmp", tsPointDown, false}};
    for (const auto& e : thumbs) {
        ini.Section(e.section);
        ini.Key("Image", out.AddImage(e.file, TrackThumbStrip(t, e.shape, e.vertical)));
        Keys(ini, {{"Trans", 1}, {"Frame", 5}});
    }

    for (bool horizontal : {true, false}) {
        ini.Section(horizontal ? "UpDown.Horz" : "UpDown.Vert");
        ini.Key("Image", out.AddImage(horizontal ? "updownh.bmp" : "updownv.bmp", UpDownStrip(t, horizontal)));
        ini.Key("GlyphImage",
                out.AddImage(horizontal ? "updownhglyph.bmp" : "updownvglyph.bmp", UpDownGlyphs(t, horizontal)));
        Keys(ini,
             {{"LeftWidth", 2}, {"RightWidth", 2}, {"TopHeight", 2}, {"BottomHeight", 2}, {"Trans", 0}, {"Tile", 0}});
    }
}

}  // namespace tw::skingen
