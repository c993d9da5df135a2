#include <algorithm>

#include "tools/skingen/Colour.h"
#include "tools/skingen/Painters.h"

namespace tw::skingen {

Fill GlossFill(Rgb top, Rgb bottom, double y0, double y1, double shine) {
    const double mid = y0 + (y1 - y0) * 0.48;
    return VStops({{y0, Lighten(top, shine)},
                   {mid, Lighten(top, shine * 0.2)},
                   {mid + 0.01, bottom},
                   {y1, Mix(bottom, Lighten(top, 0.3), 0.6)}});
}

TFaceStyle ButtonStyle(const TTheme& t, int state) {
    TFaceStyle s;
    s.Radius = t.ButtonRadius;
    s.Gloss = t.Gloss;
    s.Flat = t.Flat;
    s.Bevel = t.Bevel;
    s.Border = t.ButtonBorder;
    switch (state) {
        case 2:
            s.Top = t.ButtonPressedTop;
            s.Bottom = t.ButtonPressedBottom;
            s.Border = t.ButtonHotBorder;
            s.Pressed = true;
            s.Gloss = false;
            break;
        case 3:
            s.Top = t.ButtonDisabledTop;
            s.Bottom = t.ButtonDisabledBottom;
            s.Border = Mix(t.ButtonBorder, t.Face, 0.55);
            s.Gloss = false;
            break;
        case 4:
            s.Top = t.ButtonHotTop;
            s.Bottom = t.ButtonHotBottom;
            s.Border = t.ButtonHotBorder;
            s.HasRing = !t.Bevel;
            s.Ring = Mix(t.ButtonHotBorder, kWhite, 0.6);
            break;
        case 5:
            s.Top = t.ButtonTop;
            s.Bottom = t.ButtonBottom;
            s.Border = t.Bevel ? t.DkShadow : t.ButtonHotBorder;
            s.HasRing = true;
            s.Ring = t.Focus;
            break;
        default:
            s.Top = t.ButtonTop;
            s.Bottom = t.ButtonBottom;
            break;
    }
    return s;
}

void ClassicEdge(TImage& img, int x0, int y0, int x1, int y1, bool sunken, const TTheme& t) {
    const Rgb outerTL = sunken ? t.Shadow : t.Light, outerBR = sunken ? t.Light : t.DkShadow;
    const Rgb innerTL = sunken ? t.DkShadow : Mix(t.Light, t.Face, 0.5), innerBR = sunken ? t.Face : t.Shadow;
    const int w = x1 - x0, h = y1 - y0;
    img.FillRect(x0, y0, w, 1, outerTL);
    img.FillRect(x0, y0, 1, h, outerTL);
    img.FillRect(x0, y1 - 1, w, 1, outerBR);
    img.FillRect(x1 - 1, y0, 1, h, outerBR);
    if (w > 4 && h > 4) {
        img.FillRect(x0 + 1, y0 + 1, w - 2, 1, innerTL);
        img.FillRect(x0 + 1, y0 + 1, 1, h - 2, innerTL);
        img.FillRect(x0 + 1, y1 - 2, w - 2, 1, innerBR);
        img.FillRect(x1 - 2, y0 + 1, 1, h - 2, innerBR);
    }
}

void PaintFaceInto(TImage& img, double x0, double y0, double x1, double y1, const TFaceStyle& s, const TTheme& t) {
    if (s.Bevel) {
        const int ix0 = static_cast<int>(x0), iy0 = static_cast<int>(y0), ix1 = static_cast<int>(x1),
                  iy1 = static_cast<int>(y1);
        Draw(img, Box(x0, y0, x1, y1), s.Flat ? Solid(s.Top) : VGradient(s.Top, s.Bottom, y0, y1));
        if (s.HasRing) {
            // Classic focus: a dark outer line around the raised edge.
            img.FillRect(ix0, iy0, ix1 - ix0, 1, s.Border);
            img.FillRect(ix0, iy1 - 1, ix1 - ix0, 1, s.Border);
            img.FillRect(ix0, iy0, 1, iy1 - iy0, s.Border);
            img.FillRect(ix1 - 1, iy0, 1, iy1 - iy0, s.Border);
            ClassicEdge(img, ix0 + 1, iy0 + 1, ix1 - 1, iy1 - 1, s.Pressed, t);
        } else {
            ClassicEdge(img, ix0, iy0, ix1, iy1, s.Pressed, t);
        }
        return;
    }
    const double r = s.Radius;
    const Shape outer = RoundBox(x0, y0, x1, y1, r);
    Fill fill = s.Flat    ? Solid(s.Top)
                : s.Gloss ? GlossFill(s.Top, s.Bottom, y0, y1)
                          : VGradient(s.Top, s.Bottom, y0, y1);
    Draw(img, outer, fill);
    if (!s.Flat && !s.Pressed) {
        // A soft light line just inside the top edge.
        const Shape inner = RoundBox(x0 + 1, y0 + 1, x1 - 1, y1 - 1, std::max(r - 1, 0.0));
        Draw(img, Intersect(Ring(inner, 1), Box(x0, y0, x1, y0 + (y1 - y0) * 0.5)), Solid(Mix(s.Top, kWhite, 0.55)));
    }
    if (s.HasRing) {
        const Shape inner = RoundBox(x0 + 1, y0 + 1, x1 - 1, y1 - 1, std::max(r - 1, 0.0));
        Draw(img, Ring(inner, 1), Solid(s.Ring));
    }
    Draw(img, Ring(outer, 1), Solid(s.Border));
}

TImage PaintFace(int w, int h, const TFaceStyle& s, const TTheme& t, const Fill& matte) {
    TImage img(w, h);
    if (matte && s.Radius > 0 && !s.Bevel) {
        // Pre-blend the rounded corners against the matte, leave the rest keyed.
        // Painted on the border colour so edge pixels never pick up the key.
        TImage tmp(w, h, s.Border);
        PaintFaceInto(tmp, 0, 0, w, h, s, t);
        const Shape outer = RoundBox(0, 0, w, h, s.Radius);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const double cover = std::clamp(0.5 - outer(x + 0.5, y + 0.5), 0.0, 1.0);
                if (cover <= 0) continue;
                img.At(x, y) = cover >= 1 ? tmp.At(x, y) : Mix(matte(x, y), tmp.At(x, y), cover);
            }
        return img;
    }
    PaintFaceInto(img, 0, 0, w, h, s, t);
    return img;
}

Shape ArrowShape(TArrow dir, double cx, double cy, double size) {
    const double a = size / 2, b = size / 4;
    switch (dir) {
        case TArrow::Up:
            return Polygon({{cx - a, cy + b}, {cx + a, cy + b}, {cx, cy - b}});
        case TArrow::Down:
            return Polygon({{cx - a, cy - b}, {cx + a, cy - b}, {cx, cy + b}});
        case TArrow::Left:
            return Polygon({{cx + b, cy - a}, {cx + b, cy + a}, {cx - b, cy}});
        case TArrow::Right:
            return Polygon({{cx - b, cy - a}, {cx - b, cy + a}, {cx + b, cy}});
    }
    return Box(0, 0, 0, 0);
}

}  // namespace tw::skingen
