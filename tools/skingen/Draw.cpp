#include "tools/skingen/Draw.h"

#include <algorithm>
#include <cmath>

#include "tools/skingen/Colour.h"

namespace tw::skingen {

Shape Box(double x0, double y0, double x1, double y1) { return RoundBox(x0, y0, x1, y1, 0, 0, 0, 0); }

Shape RoundBox(double x0, double y0, double x1, double y1, double tl, double tr, double br, double bl) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hx = (x1 - x0) / 2, hy = (y1 - y0) / 2;
    return [=](double x, double y) {
        const double px = x - cx, py = y - cy;
        const double r = px < 0 ? (py < 0 ? tl : bl) : (py < 0 ? tr : br);
        const double qx = std::abs(px) - hx + r, qy = std::abs(py) - hy + r;
        const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
        return outside + std::min(std::max(qx, qy), 0.0) - r;
    };
}

Shape Circle(double cx, double cy, double r) {
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) - r; };
}

Shape Segment(double ax, double ay, double bx, double by, double width) {
    return [=](double x, double y) {
        const double dx = bx - ax, dy = by - ay;
        const double len2 = dx * dx + dy * dy;
        double t = len2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / len2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        return std::hypot(x - (ax + t * dx), y - (ay + t * dy)) - width / 2;
    };
}

Shape Polygon(std::vector<std::pair<double, double>> pts) {
    return [pts = std::move(pts)](double x, double y) {
        double best = 1e9;
        bool inside = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const auto [xi, yi] = pts[i];
            const auto [xj, yj] = pts[j];
            const double ex = xj - xi, ey = yj - yi;
            const double len2 = ex * ex + ey * ey;
            double t = len2 > 0 ? ((x - xi) * ex + (y - yi) * ey) / len2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            best = std::min(best, std::hypot(x - (xi + t * ex), y - (yi + t * ey)));
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside ? -best : best;
    };
}

Shape Ring(Shape s, double width) {
    return [s = std::move(s), width](double x, double y) {
        const double d = s(x, y);
        return std::max(d, -(d + width));
    };
}

Shape Union(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape Intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return std::max(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape cut) {
    return [a = std::move(a), cut = std::move(cut)](double x, double y) { return std::max(a(x, y), -cut(x, y)); };
}

Shape Offset(Shape s, double dx, double dy) {
    return [s = std::move(s), dx, dy](double x, double y) { return s(x - dx, y - dy); };
}

Fill Solid(Rgb c) {
    return [c](int, int) { return c; };
}

Fill VGradient(Rgb top, Rgb bottom, double y0, double y1) {
    return [=](int, int y) {
        const double t = y1 - 1 > y0 ? std::clamp((y - y0) / (y1 - 1 - y0), 0.0, 1.0) : 0.0;
        return Mix(top, bottom, t);
    };
}

Fill HGradient(Rgb left, Rgb right, double x0, double x1) {
    return [=](int x, int) {
        const double t = x1 - 1 > x0 ? std::clamp((x - x0) / (x1 - 1 - x0), 0.0, 1.0) : 0.0;
        return Mix(left, right, t);
    };
}

Fill VStops(std::vector<std::pair<double, Rgb>> stops) {
    return [stops = std::move(stops)](int, int y) {
        if (stops.empty()) return kBlack;
        const double p = y + 0.5;
        if (p <= stops.front().first) return stops.front().second;
        for (size_t i = 1; i < stops.size(); ++i) {
            if (p <= stops[i].first) {
                const double span = stops[i].first - stops[i - 1].first;
                const double t = span > 0 ? (p - stops[i - 1].first) / span : 1.0;
                return Mix(stops[i - 1].second, stops[i].second, t);
            }
        }
        return stops.back().second;
    };
}

void Draw(TImage& image, const Shape& shape, const Fill& fill, const Fill& matte) {
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const double cover = std::clamp(0.5 - shape(x + 0.5, y + 0.5), 0.0, 1.0);
            if (cover <= 0) continue;
            Rgb& dst = image.At(x, y);
            Rgb out;
            if (dst == kKey) {
                if (matte) out = Mix(matte(x, y), fill(x, y), cover);
                else if (cover >= 0.5)
                    out = fill(x, y);
                else
                    continue;
            } else {
                out = Mix(dst, fill(x, y), cover);
            }
            // A painted pixel must never read as the key (the region builder allows green 0..1).
            if (out.r == 255 && out.b == 255 && out.g <= 1) out.g = 2;
            dst = out;
        }
    }
}

}  // namespace tw::skingen
