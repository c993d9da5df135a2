// Anti-aliased shape drawing for skin images: shapes as signed distances, fills as colour functions.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "tools/skingen/Image.h"

namespace tw::skingen {

// Signed distance in pixels from a point to a shape's outline, negative inside. Pixel (x, y)
// is sampled at its centre (x + 0.5, y + 0.5), so a box from 0 to w covers columns 0..w-1.
using Shape = std::function<double(double x, double y)>;
// The colour a fill gives pixel (x, y).
using Fill = std::function<Rgb(int x, int y)>;

Shape Box(double x0, double y0, double x1, double y1);
// Rounded box with radii for the top-left, top-right, bottom-right and bottom-left corners.
Shape RoundBox(double x0, double y0, double x1, double y1, double tl, double tr, double br, double bl);
inline Shape RoundBox(double x0, double y0, double x1, double y1, double r) {
    return RoundBox(x0, y0, x1, y1, r, r, r, r);
}
Shape Circle(double cx, double cy, double r);
// A stroke of the given width along a segment, with round ends.
Shape Segment(double ax, double ay, double bx, double by, double width);
// A convex or concave polygon, points in order.
Shape Polygon(std::vector<std::pair<double, double>> points);
// The band of the given width just inside a shape's outline.
Shape Ring(Shape s, double width);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape cut);
Shape Offset(Shape s, double dx, double dy);

Fill Solid(Rgb c);
// Linear ramps between two rows (or columns); outside them the end colours hold.
Fill VGradient(Rgb top, Rgb bottom, double y0, double y1);
Fill HGradient(Rgb left, Rgb right, double x0, double x1);
// Ramps through several (position, colour) stops along y, positions rising.
Fill VStops(std::vector<std::pair<double, Rgb>> stops);

// Draws a shape. Partly covered pixels blend with what is there; over a key pixel they blend
// with the matte (the colour the image will be seen on), or, without a matte, take the fill
// only when at least half covered so shaped edges stay crisp against the key.
void Draw(TImage& image, const Shape& shape, const Fill& fill, const Fill& matte = {});

}  // namespace tw::skingen
