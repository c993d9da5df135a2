// Push buttons, check and radio boxes, and the combo box parts.
#include <algorithm>
#include <cmath>

#include "tools/skingen/Colour.h"
#include "tools/skingen/Painters.h"

namespace tw::skingen {

namespace {

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
        Draw(img, Ring(Circle(c, c, r), t.Bevel ? 2 : 1), t.Bevel ? VGradient(t.Shadow, t.Light, 0, n) : Solid(border),
             matte);
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

}  // namespace

void BuildButtons(const TTheme& t, TSkinFiles& out) {
    TIniText& ini = out.Ini;
    const Fill faceMatte = Solid(t.Face);

    std::vector<TImage> buttonFrames;
    for (int state = 1; state <= 5; ++state)
        buttonFrames.push_back(PaintFace(24, 24, ButtonStyle(t, state), t, faceMatte));
    ini.Section("Buttons");
    ini.Key("Bitmap", out.AddImage("button.bmp", TImage::JoinH(buttonFrames)));
    ini.Key("CheckButton", out.AddImage("checkbox.bmp", CheckStrip(t, false)));
    ini.Key("RadioButton", out.AddImage("radio.bmp", CheckStrip(t, true)));
    Keys(ini, {{"LeftWidth", 4},
               {"RightWidth", 4},
               {"TopHeight", 4},
               {"BottomHeight", 4},
               {"Trans", 1},
               {"Tile", 0},
               {"CheckButtonFrame", t.CheckFrames},
               {"RadioButtonFrame", t.RadioFrames}});
    ini.Key("NormalColour2", TripletOf(t.ButtonText));
    ini.Key("MouseOverColour2", TripletOf(t.ButtonHotText));
    ini.Key("PressedColour2", TripletOf(t.ButtonPressedText));

    ini.Section("ComboButton");
    ini.Key("Image", out.AddImage("combobutton.bmp", TImage::JoinH({ComboButtonCell(t, 1), ComboButtonCell(t, 2),
                                                                    ComboButtonCell(t, 3), ComboButtonCell(t, 4)})));
    Keys(ini, {{"LeftWidth", 2}, {"RightWidth", 3}, {"TopHeight", 3}, {"BottomHeight", 3}, {"Trans", 1}, {"Tile", 0}});
    ini.Section("SunkEdge");
    ini.Key("Image", out.AddImage("sunkedge.bmp", TImage::JoinH({SunkEdgeCell(t, 1), SunkEdgeCell(t, 2),
                                                                 SunkEdgeCell(t, 3), SunkEdgeCell(t, 4)})));
    Keys(ini, {{"LeftWidth", 3},
               {"RightWidth", 3},
               {"TopHeight", 3},
               {"BottomHeight", 3},
               {"Trans", 0},
               {"Tile", 0},
               {"Frame", 4}});
    ini.Section("ExtraImages");
    ini.Key("Image", out.AddImage("extra.bmp", ExtraImagesStrip(t)));
    Keys(ini, {{"Trans", 1}, {"Frame", 5}});
}

}  // namespace tw::skingen
