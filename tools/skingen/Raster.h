#pragma once
// A small anti-aliased rasteriser for drawing skin art.
//
// Shapes are signed distance functions in pixel units (negative inside); a pixel's
// coverage is taken at its centre as clamp(0.5 - distance, 0, 1), which gives smooth
// edges for the rounded rectangles, circles and strokes the skin is made of. Drawing
// goes into a Layer of premultiplied colour with coverage; flattening a layer gives the
// final opaque picture, with magenta (0xFF00FF) where nothing was drawn so that the
// skin engine treats those pixels as transparent.
//
// Everything is plain double arithmetic in a fixed order, so the same calls give the
// same bytes on every run.
#include <functional>
#include <vector>

#include "skin/data/PixelBuffer.h"

struct Rgb {
    double r = 0, g = 0, b = 0;
};

// 0xRRGGBB as written in style sheets.
Rgb Hex(unsigned rrggbb);
// a at t = 0, b at t = 1.
Rgb Mix(const Rgb& a, const Rgb& b, double t);
Rgb Lighten(const Rgb& c, double t);
Rgb Darken(const Rgb& c, double t);
// The program's colour form 0x00BBGGRR, rounded.
unsigned ToColourRef(const Rgb& c);

// Distance from a point to a shape's edge; negative inside.
using Shape = std::function<double(double x, double y)>;

// Rectangle from (x0, y0) to (x1, y1) in pixel-edge coordinates with per-corner radii.
Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
Shape RoundRect4(double x0, double y0, double x1, double y1, double topLeft, double topRight,
                 double bottomRight, double bottomLeft);
Shape Circle(double cx, double cy, double radius);
// A line from a to b, width wide, with round ends.
Shape Segment(double ax, double ay, double bx, double by, double width);
// Connected round-ended segments through the points (x0, y0, x1, y1, ...).
Shape Polyline(const std::vector<double>& points, double width);
// Convex polygon through the points, in either winding.
Shape Polygon(const std::vector<double>& points);
// Part of a circle's outline from angle a0 to a1 (radians, y pointing down, a0 < a1).
Shape Arc(double cx, double cy, double radius, double a0, double a1, double width);
// The band of shape that lies within width of its edge, inside it.
Shape InnerStroke(const Shape& shape, double width);
Shape Union(const Shape& a, const Shape& b);
Shape Intersect(const Shape& a, const Shape& b);
Shape Subtract(const Shape& a, const Shape& b);

// Colour of a pixel position (for gradients).
using Paint = std::function<Rgb(double x, double y)>;
Paint Solid(const Rgb& c);
// Vertical ramp: top at y0, bottom at y1, clamped outside.
Paint VerticalRamp(const Rgb& top, const Rgb& bottom, double y0, double y1);

class Layer {
public:
    Layer(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Paints shape over what is there, scaled by opacity.
    void Fill(const Shape& shape, const Paint& paint, double opacity = 1.0);
    void Fill(const Shape& shape, const Rgb& colour, double opacity = 1.0) { Fill(shape, Solid(colour), opacity); }
    // The whole layer, fully covered.
    void Flood(const Paint& paint);
    void Flood(const Rgb& colour) { Flood(Solid(colour)); }

    // The opaque picture. Pixels with coverage below minCover become magenta; partly
    // covered ones are laid over matte (the colour the engine will draw them on).
    PixelBuffer Flatten(const Paint& matte, double minCover = 0.02) const;
    PixelBuffer Flatten(const Rgb& matte, double minCover = 0.02) const { return Flatten(Solid(matte), minCover); }
    // For shapes whose surroundings are unknown (window corners over the desktop): a pixel
    // at least half covered is kept at its own colour, anything less becomes magenta.
    PixelBuffer FlattenHard() const;

private:
    struct Cell {
        double r = 0, g = 0, b = 0, a = 0;  // premultiplied
    };
    int width_;
    int height_;
    std::vector<Cell> cells_;
};

// Joins equal-sized frames side by side (or stacked) into one strip.
PixelBuffer JoinFrames(const std::vector<PixelBuffer>& frames, bool stacked);
// A copy of rect (x, y, w, h) of src.
PixelBuffer Crop(const PixelBuffer& src, int x, int y, int w, int h);
