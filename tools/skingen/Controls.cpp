// Standard controls: push buttons, check and radio boxes, combo parts, scroll bars, progress
// bars, track bars and up-down buttons.
#include <algorithm>
#include <cmath>

#include "tools/skingen/Colour.h"
#include "tools/skingen/Painters.h"

namespace tw::skingen {

namespace {

void Keys(TIniText& ini, std::initializer_list<std::pair<const char*, int>> keys) {
    for (const auto& [k, v] : keys) ini.Key(k, v);
}

// ---- check boxes and radio buttons ------------------------------------------------------

enum TCheckState { csUnchecked, csChecked, csMixed };
// Interaction: 0 normal, 1 hot, 2 pressed, 3 disabled.
TImage CheckCell(const TTheme& t, TCheckState check, int interaction, bool radio) {
    const int n = 13;
    const Fill matte = Solid(t.Face);
    TImage img(n, n);
    const bool disabled = interaction == 3;
    Rgb border = disabled ? Mix(t.FieldBorder, t.Face, 0.55) : interaction > 0 ? t.FieldBorderHot : t.FieldBorder;
    Rgb top = disabled ? t.Face : interaction == 2 ? Mix(t.Field, t.Accent, 0.18) : Mix(t.Field, t.Face, 0.45);
    Rgb bottom = disabled ? t.Face : interaction == 1 ? Mix(t.Field, t.Accent, 0.08) : t.Field;
    if (t.Flat) top = bottom;
    const Rgb mark = disabled ? Mix(t.Shadow, t.Face, 0.2) : t.Mark;
    if (radio) {
        const double c = n / 2.0, r = n / 2.0 - 0.5;
        Draw(img, Circle(c, c, r), VGradient(top, bottom, 0, n), matte);
        Draw(img, Ring(Circle(c, c, r), t.Bevel ? 2 : 1), t.Bevel ? VGradient(t.Shadow, t.Light, 0, n) : Solid(border), matte);
        if (check == csChecked) {
            Draw(img, Circle(c, c, 2.6), t.Gloss ? VGradient(Lighten(mark, 0.45), mark, c - 3, c + 3) : Solid(mark));
        }
        return img;
    }
    const double r = t.Bevel ? 0 : std::min(2, t.ButtonRadius);
    Draw(img, RoundBox(0, 0, n, n, r), VGradient(top, bottom, 0, n), matte);
    if (t.Bevel) {
        img.Fill(disabled ? t.Face : t.Field);
        ClassicEdge(img, 0, 0, n, n, true, t);
    } else {
        Draw(img, Ring(RoundBox(0, 0, n, n, r), 1), Solid(border), matte);
    }
    if (check == csChecked) {
        const Shape tick = Union(Segment(3.2, 6.6, 5.6, 9.1, 1.9), Segment(5.6, 9.1, 9.9, 3.6, 1.9));
        Draw(img, tick, Solid(t.Bevel && !disabled ? t.Text : mark));
    } else if (check == csMixed) {
        Draw(img, RoundBox(3.5, 3.5, 9.5, 9.5, 1), Solid(Mix(mark, top, 0.2)));
    }
    return img;
}

TImage CheckStrip(const TTheme& t, bool radio) {
    std::vector<TImage> frames;
    const int count = radio ? t.RadioFrames : t.CheckFrames;
    if (count == 4) {
        // unchecked, checked, unchecked disabled, checked disabled
        frames = {CheckCell(t, csUnchecked, 0, radio), CheckCell(t, csChecked, 0, radio),
                  CheckCell(t, csUnchecked, 3, radio), CheckCell(t, csChecked, 3, radio)};
    } else {
        // groups of four (normal, hot, pressed, disabled): unchecked, checked, then mixed
        for (TCheckState s : {csUnchecked, csChecked, csMixed}) {
            if (radio && s == csMixed) break;
            for (int i = 0; i < 4; ++i) frames.push_back(CheckCell(t, s, i, radio));
        }
    }
    return TImage::JoinH(frames);
}

// ---- combo box parts --------------------------------------------------------------------

// Interaction states of the combo parts: 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
Rgb FieldBorderFor(const TTheme& t, int state) {
    if (state == 3) return Mix(t.FieldBorder, t.Face, 0.5);
    if (state == 2 || state == 4) return t.FieldBorderHot;
    return t.FieldBorder;
}

TImage SunkEdgeCell(const TTheme& t, int state) {
    const int w = 20, h = 21;
    TImage img(w, h, t.Face);
    const Rgb inside = state == 3 ? Mix(t.Field, t.Face, 0.7) : t.Field;
    if (t.Bevel) {
        img.Fill(inside);
        ClassicEdge(img, 0, 0, w, h, true, t);
        return img;
    }
    const double r = std::min(2, t.ButtonRadius);
    Draw(img, RoundBox(0, 0, w, h, r), Solid(inside));
    Draw(img, Box(1, 1, w - 1, 2), Solid(Mix(inside, FieldBorderFor(t, state), 0.18)));
    Draw(img, Ring(RoundBox(0, 0, w, h, r), 1), Solid(FieldBorderFor(t, state)));
    return img;
}

TImage ComboButtonCell(const TTheme& t, int state) {
    const int w = 19, h = 21;
    TImage img(w, h, t.Face);
    TFaceStyle s = ButtonStyle(t, state == 4 ? 4 : state);
    s.HasRing = false;
    if (t.Bevel) {
        img.Fill(t.Field);
        PaintFaceInto(img, 2, 2, w - 2, h - 2, s, t);
        // the sunken field rim continues around the button
        img.FillRect(0, 0, w, 1, t.Shadow);
        img.FillRect(0, 1, w, 1, t.DkShadow);
        img.FillRect(0, h - 1, w, 1, t.Light);
        img.FillRect(w - 1, 0, 1, h, t.Light);
        img.FillRect(0, h - 2, w - 1, 1, t.Face);
        img.FillRect(w - 2, 1, 1, h - 2, t.Face);
        return img;
    }
    const double r = std::min(2, t.ButtonRadius);
    // Rim shared with the field on top, right and bottom; a separator on the left.
    Draw(img, RoundBox(-4, 0, w, h, r), Solid(state == 3 ? Mix(t.Field, t.Face, 0.7) : t.Field));
    s.Radius = std::max(0.0, r - 1);
    s.Border = Mix(s.Border, s.Bottom, 0.35);
    PaintFaceInto(img, 1, 1, w - 1, h - 1, s, t);
    Draw(img, Ring(RoundBox(-4, 0, w, h, r), 1), Solid(FieldBorderFor(t, state)));
    return img;
}

// Arrow glyphs for the combo button (frames 1 to 4) and the status bar size grip (frame 5).
TImage ExtraImagesStrip(const TTheme& t) {
    const int n = 11;
    std::vector<TImage> frames;
    for (int state = 1; state <= 4; ++state) {
        TImage img(n, n);
        const TFaceStyle s = ButtonStyle(t, state);
        const Fill matte = Solid(Mix(s.Top, s.Bottom, 0.5));
        const Rgb glyph = state == 3 ? Mix(t.Shadow, t.Face, 0.3) : state == 4 ? Darken(t.Accent, 0.1) : t.Glyph;
        const double dy = state == 2 ? 1 : 0;
        Draw(img, ArrowShape(TArrow::Down, n / 2.0, n / 2.0 + 0.5 + dy, 7), Solid(glyph), matte);
        frames.push_back(img);
    }
    TImage grip(n, n);
    const Fill gripMatte = Solid(t.StatusBottom);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) {
            const double x = n - 2.0 - 3.5 * j, y = n - 2.0 - 3.5 * (i - j);
            Draw(grip, Box(x - 1, y - 1, x + 1, y + 1), Solid(t.Light), gripMatte);
            Draw(grip, Box(x - 1.5, y - 1.5, x + 0.5, y + 0.5), Solid(t.Shadow), gripMatte);
        }
    frames.push_back(grip);
    return TImage::JoinH(frames);
}

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
    const Rgb glyph = state == 2 ? Mix(t.Shadow, t.Face, 0.4) : state == 3 && !t.Bevel ? Darken(t.Accent, 0.15) : t.Glyph;
    const double shift = state == 1 && t.Bevel ? 1 : 0;
    Draw(img, ArrowShape(dir, n / 2.0 + shift, n / 2.0 + shift, 7), Solid(glyph));
    return img;
}

TImage GripCell(const TTheme& t, bool horizontal, int state) {
    const int n = 17;
    const Rgb thumbMid = Mix(state == 2 ? t.ButtonHotTop : t.ThumbTop, state == 2 ? t.ButtonHotBottom : t.ThumbBottom, 0.5);
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
            Draw(tmp, body, t.Flat ? Solid(top) : horizontal ? VGradient(top, bottom, 1, h - 1) : HGradient(top, bottom, 1, w - 1));
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

// ---- progress bars ------------------------------------------------------------------------

TImage ProgressTroughCell(const TTheme& t, int w, int h) {
    TImage img(w, h);
    if (t.Bevel) {
        img.Fill(t.ProgressTrough);
        ClassicEdge(img, 0, 0, w, h, true, t);
        return img;
    }
    const double r = std::min(3, t.ButtonRadius);
    Draw(img, RoundBox(0, 0, w, h, r), t.Flat ? Solid(t.ProgressTrough) : VGradient(Mix(t.ProgressTrough, t.Shadow, 0.15), t.ProgressTrough, 0, h * 0.6), Solid(t.Face));
    Draw(img, Ring(RoundBox(0, 0, w, h, r), 1), Solid(t.FieldBorder), Solid(t.Face));
    return img;
}

TImage ProgressFillCell(const TTheme& t, int w, int h) {
    TImage img(w, h);
    const double r = std::max(0, std::min(3, t.ButtonRadius) - 1);
    const Shape bar = RoundBox(2, 2, w - 2, h - 2, r);
    const Fill fill = t.Flat ? Solid(t.ProgressBottom) : t.Gloss ? GlossFill(t.ProgressTop, t.ProgressBottom, 2, h - 2) : VGradient(t.ProgressTop, t.ProgressBottom, 2, h - 2);
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
    Draw(img, groove, vertical ? HGradient(Mix(t.TrackGroove, t.Field, 0.5), t.Field, 0, w) : VGradient(Mix(t.TrackGroove, t.Field, 0.5), t.Field, 0, h), Solid(t.Face));
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
            case tsBlock: body = RoundBox(0, 0, w, h, std::min(2, t.ButtonRadius)); break;
            case tsPointDown: body = Polygon({{0, 0}, {11, 0}, {11, 15}, {5.5, 21}, {0, 15}}); break;
            case tsPointUp: body = Polygon({{0, 21}, {11, 21}, {11, 6}, {5.5, 0}, {0, 6}}); break;
            case tsPointRight: body = Polygon({{0, 0}, {15, 0}, {21, 5.5}, {15, 11}, {0, 11}}); break;
            case tsPointLeft: body = Polygon({{21, 0}, {6, 0}, {0, 5.5}, {6, 11}, {21, 11}}); break;
        }
        TImage tmp(w, h, s.Border);
        Draw(tmp, body, t.Flat ? Solid(s.Top) : vertical ? HGradient(s.Top, s.Bottom, 0, w) : VGradient(s.Top, s.Bottom, 0, h));
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
                const Shape body = horizontal ? (half == 0 ? RoundBox(0, 0, w, h, r, 0, 0, r) : RoundBox(0, 0, w, h, 0, r, r, 0))
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
            const TArrow dir = horizontal ? (half == 0 ? TArrow::Left : TArrow::Right) : (half == 0 ? TArrow::Up : TArrow::Down);
            const Rgb glyph = state == 3 ? Mix(t.Shadow, t.Face, 0.3) : state == 4 && !t.Bevel ? Darken(t.Accent, 0.1) : t.Glyph;
            Draw(img, ArrowShape(dir, w / 2.0, h / 2.0, 7), Solid(glyph), matte);
            frames.push_back(img);
        }
    return TImage::JoinH(frames);
}

}  // namespace

void BuildControls(const TTheme& t, TSkinFiles& out) {
    TIniText& ini = out.Ini;
    const Fill faceMatte = Solid(t.Face);

    std::vector<TImage> buttonFrames;
    for (int state = 1; state <= 5; ++state) buttonFrames.push_back(PaintFace(24, 24, ButtonStyle(t, state), t, faceMatte));
    ini.Section("Buttons");
    ini.Key("Bitmap", out.AddImage("button.bmp", TImage::JoinH(buttonFrames)));
    ini.Key("CheckButton", out.AddImage("checkbox.bmp", CheckStrip(t, false)));
    ini.Key("RadioButton", out.AddImage("radio.bmp", CheckStrip(t, true)));
    Keys(ini, {{"LeftWidth", 4}, {"RightWidth", 4}, {"TopHeight", 4}, {"BottomHeight", 4}, {"Trans", 1}, {"Tile", 0},
               {"CheckButtonFrame", t.CheckFrames}, {"RadioButtonFrame", t.RadioFrames}});
    ini.Key("NormalColour2", TripletOf(t.ButtonText));
    ini.Key("MouseOverColour2", TripletOf(t.ButtonHotText));
    ini.Key("PressedColour2", TripletOf(t.ButtonPressedText));

    ini.Section("ComboButton");
    ini.Key("Image", out.AddImage("combobutton.bmp", TImage::JoinH({ComboButtonCell(t, 1), ComboButtonCell(t, 2), ComboButtonCell(t, 3), ComboButtonCell(t, 4)})));
    Keys(ini, {{"LeftWidth", 2}, {"RightWidth", 3}, {"TopHeight", 3}, {"BottomHeight", 3}, {"Trans", 1}, {"Tile", 0}});
    ini.Section("SunkEdge");
    ini.Key("Image", out.AddImage("sunkedge.bmp", TImage::JoinH({SunkEdgeCell(t, 1), SunkEdgeCell(t, 2), SunkEdgeCell(t, 3), SunkEdgeCell(t, 4)})));
    Keys(ini, {{"LeftWidth", 3}, {"RightWidth", 3}, {"TopHeight", 3}, {"BottomHeight", 3}, {"Trans", 0}, {"Tile", 0}, {"Frame", 4}});
    ini.Section("ExtraImages");
    ini.Key("Image", out.AddImage("extra.bmp", ExtraImagesStrip(t)));
    Keys(ini, {{"Trans", 1}, {"Frame", 5}});

    ini.Section("Scrollbar");
    ini.Key("Image", out.AddImage("scrollbar.bmp", ScrollStrip(t)));
    Keys(ini, {{"Trans", 1}, {"Frame", 23}});
    ini.Section("HorzScroll");
    ini.Key("Image", out.AddImage("hscroll.bmp", ScrollTrackStrip(t, true)));
    Keys(ini, {{"LeftWidth", 2}, {"RightWidth", 2}, {"TopHeight", 0}, {"BottomHeight", 0}, {"Trans", 0}, {"Tile", 0}, {"Frame", 4}});
    ini.Section("VertScroll");
    ini.Key("Image", out.AddImage("vscroll.bmp", ScrollTrackStrip(t, false)));
    Keys(ini, {{"LeftWidth", 0}, {"RightWidth", 0}, {"TopHeight", 2}, {"BottomHeight", 2}, {"Trans", 0}, {"Tile", 0}, {"Frame", 4}});
    ini.Section("HorzScrollThumb");
    ini.Key("Image", out.AddImage("hthumb.bmp", ThumbStrip(t, true)));
    Keys(ini, {{"LeftWidth", 5}, {"RightWidth", 5}, {"TopHeight", 4}, {"BottomHeight", 4}, {"Trans", 1}, {"FrameCount", 3}});
    ini.Section("VertScrollThumb");
    ini.Key("Image", out.AddImage("vthumb.bmp", ThumbStrip(t, false)));
    Keys(ini, {{"LeftWidth", 4}, {"RightWidth", 4}, {"TopHeight", 5}, {"BottomHeight", 5}, {"Trans", 1}, {"FrameCount", 3}});

    ini.Section("Progress");
    if (t.ProgressStyle == 1) {
        ini.Key("Bitmap", out.AddImage("progress.bmp", ProgressTroughCell(t, 24, 18)));
    } else {
        ini.Key("Bitmap", out.AddImage("progress.bmp", TImage::JoinH({ProgressTroughCell(t, 24, 18), ProgressFillCell(t, 24, 18)})));
    }
    Keys(ini, {{"Style", t.ProgressStyle}, {"LeftWidth", 4}, {"RightWidth", 4}, {"TopHeight", 4}, {"BottomHeight", 4}, {"Trans", 1}, {"Tile", 0}});
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
    } thumbs[] = {{"Trackbar.ThumbHorz", "thumbhorz.bmp", tsBlock, false}, {"Trackbar.ThumbVert", "thumbvert.bmp", tsBlock, true},
                  {"Trackbar.ThumbLeft", "thumbleft.bmp", tsPointLeft, true}, {"Trackbar.ThumbRight", "thumbright.bmp", tsPointRight, true},
                  {"Trackbar.ThumbUp", "thumbup.bmp", tsPointUp, false}, {"Trackbar.ThumbDown", "thumbdown.bmp", tsPointDown, false}};
    for (const auto& e : thumbs) {
        ini.Section(e.section);
        ini.Key("Image", out.AddImage(e.file, TrackThumbStrip(t, e.shape, e.vertical)));
        Keys(ini, {{"Trans", 1}, {"Frame", 5}});
    }

    for (bool horizontal : {true, false}) {
        ini.Section(horizontal ? "UpDown.Horz" : "UpDown.Vert");
        ini.Key("Image", out.AddImage(horizontal ? "updownh.bmp" : "updownv.bmp", UpDownStrip(t, horizontal)));
        ini.Key("GlyphImage", out.AddImage(horizontal ? "updownhglyph.bmp" : "updownvglyph.bmp", UpDownGlyphs(t, horizontal)));
        Keys(ini, {{"LeftWidth", 2}, {"RightWidth", 2}, {"TopHeight", 2}, {"BottomHeight", 2}, {"Trans", 0}, {"Tile", 0}});
    }
}

}  // namespace tw::skingen
