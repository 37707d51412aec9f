#include "tools/skingen/Raster.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

int Channel(double v) {
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
}

// The opaque pixel of c; a colour that happens to round to the transparent key is moved
// one step off it, so drawn pixels never vanish.
uint32_t OpaquePixel(const Rgb& c) {
    unsigned colour = ToColourRef(c);
    if (colour == 0xFF00FFu) colour = 0xFF00FEu;
    return PixelFromColour(colour);
}

double Length(double x, double y) { return std::sqrt(x * x + y * y); }

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    double vx = bx - ax, vy = by - ay;
    double wx = px - ax, wy = py - ay;
    double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? std::clamp((wx * vx + wy * vy) / len2, 0.0, 1.0) : 0.0;
    return Length(wx - t * vx, wy - t * vy);
}

}  // namespace

Rgb Hex(unsigned rrggbb) {
    return {static_cast<double>((rrggbb >> 16) & 0xFF), static_cast<double>((rrggbb >> 8) & 0xFF),
            static_cast<double>(rrggbb & 0xFF)};
}

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Lighten(const Rgb& c, double t) { return Mix(c, Rgb{255, 255, 255}, t); }
Rgb Darken(const Rgb& c, double t) { return Mix(c, Rgb{0, 0, 0}, t); }

unsigned ToColourRef(const Rgb& c) {
    return static_cast<unsigned>(Channel(c.r)) | (static_cast<unsigned>(Channel(c.g)) << 8) |
           (static_cast<unsigned>(Channel(c.b)) << 16);
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
    return RoundRect4(x0, y0, x1, y1, radius, radius, radius, radius);
}

Shape RoundRect4(double x0, double y0, double x1, double y1, double topLeft, double topRight,
                 double bottomRight, double bottomLeft) {
    double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    double hx = (x1 - x0) / 2, hy = (y1 - y0) / 2;
    return [=](double x, double y) {
        double px = x - cx, py = y - cy;
        double r = px > 0 ? (py > 0 ? bottomRight : topRight) : (py > 0 ? bottomLeft : topLeft);
        double qx = std::fabs(px) - hx + r;
        double qy = std::fabs(py) - hy + r;
        double outside = Length(std::max(qx, 0.0), std::max(qy, 0.0));
        return std::min(std::max(qx, qy), 0.0) + outside - r;
    };
}

Shape Circle(double cx, double cy, double radius) {
    return [=](double x, double y) { return Length(x - cx, y - cy) - radius; };
}

Shape Segment(double ax, double ay, double bx, double by, double width) {
    return [=](double x, double y) { return SegmentDistance(x, y, ax, ay, bx, by) - width / 2; };
}

Shape Polyline(const std::vector<double>& points, double width) {
    return [points, width](double x, double y) {
        double best = 1e9;
        for (size_t i = 0; i + 3 < points.size(); i += 2)
            best = std::min(best, SegmentDistance(x, y, points[i], points[i + 1], points[i + 2], points[i + 3]));
        return best - width / 2;
    };
}

Shape Polygon(const std::vector<double>& points) {
    // Signed area tells the winding, so edge normals can be made to point outwards.
    double area = 0;
    size_t n = points.size() / 2;
    for (size_t i = 0; i < n; ++i) {
        size_t j = (i + 1) % n;
        area += points[2 * i] * points[2 * j + 1] - points[2 * j] * points[2 * i + 1];
    }
    double sign = area > 0 ? 1.0 : -1.0;
    return [points, n, sign](double x, double y) {
        double d = -1e9;
        for (size_t i = 0; i < n; ++i) {
            size_t j = (i + 1) % n;
            double ax = points[2 * i], ay = points[2 * i + 1];
            double ex = points[2 * j] - ax, ey = points[2 * j + 1] - ay;
            double len = Length(ex, ey);
            if (len == 0) continue;
            // Outward normal for the winding in use.
            double nx = sign * ey / len, ny = -sign * ex / len;
            d = std::max(d, (x - ax) * nx + (y - ay) * ny);
        }
        return d;
    };
}

Shape Arc(double cx, double cy, double radius, double a0, double a1, double width) {
    double e0x = cx + radius * std::cos(a0), e0y = cy + radius * std::sin(a0);
    double e1x = cx + radius * std::cos(a1), e1y = cy + radius * std::sin(a1);
    return [=](double x, double y) {
        double a = std::atan2(y - cy, x - cx);
        while (a < a0) a += 2 * kPi;
        if (a <= a1) return std::fabs(Length(x - cx, y - cy) - radius) - width / 2;
        return std::min(Length(x - e0x, y - e0y), Length(x - e1x, y - e1y)) - width / 2;
    };
}

Shape InnerStroke(const Shape& shape, double width) {
    return [shape, width](double x, double y) {
        double d = shape(x, y);
        return std::max(d, -(d + width));
    };
}

Shape Union(const Shape& a, const Shape& b) {
    return [a, b](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape Intersect(const Shape& a, const Shape& b) {
    return [a, b](double x, double y) { return std::max(a(x, y), b(x, y)); };
}

Shape Subtract(const Shape& a, const Shape& b) {
    return [a, b](double x, double y) { return std::max(a(x, y), -b(x, y)); };
}

Paint Solid(const Rgb& c) {
    return [c](double, double) { return c; };
}

Paint VerticalRamp(const Rgb& top, const Rgb& bottom, double y0, double y1) {
    return [=](double, double y) {
        double t = y1 > y0 ? std::clamp((y - y0) / (y1 - y0), 0.0, 1.0) : 0.0;
        return Mix(top, bottom, t);
    };
}

Layer::Layer(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      cells_(static_cast<size_t>(width_) * static_cast<size_t>(height_)) {}

void Layer::Fill(const Shape& shape, const Paint& paint, double opacity) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            double cx = x + 0.5, cy = y + 0.5;
            double cover = std::clamp(0.5 - shape(cx, cy), 0.0, 1.0) * opacity;
            if (cover <= 0) continue;
            Rgb c = paint(cx, cy);
            Cell& cell = cells_[static_cast<size_t>(y) * width_ + x];
            cell.r = c.r * cover + cell.r * (1 - cover);
            cell.g = c.g * cover + cell.g * (1 - cover);
            cell.b = c.b * cover + cell.b * (1 - cover);
            cell.a = cover + cell.a * (1 - cover);
        }
    }
}

void Layer::Flood(const Paint& paint) {
    Fill([](double, double) { return -1.0; }, paint, 1.0);
}

PixelBuffer Layer::Flatten(const Paint& matte, double minCover) const {
    PixelBuffer out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Cell& cell = cells_[static_cast<size_t>(y) * width_ + x];
            if (cell.a < minCover) {
                out.SetPixel(x, y, PixelFromColour(0xFF00FFu));
                continue;
            }
            Rgb m = matte(x + 0.5, y + 0.5);
            double rest = 1 - cell.a;
            out.SetPixel(x, y, OpaquePixel({cell.r + m.r * rest, cell.g + m.g * rest, cell.b + m.b * rest}));
        }
    }
    return out;
}

PixelBuffer Layer::FlattenHard() const {
    PixelBuffer out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Cell& cell = cells_[static_cast<size_t>(y) * width_ + x];
            if (cell.a < 0.5) {
                out.SetPixel(x, y, PixelFromColour(0xFF00FFu));
                continue;
            }
            out.SetPixel(x, y, OpaquePixel({cell.r / cell.a, cell.g / cell.a, cell.b / cell.a}));
        }
    }
    return out;
}

PixelBuffer JoinFrames(const std::vector<PixelBuffer>& frames, bool stacked) {
    if (frames.empty()) return {};
    int fw = frames.front().Width(), fh = frames.front().Height();
    int n = static_cast<int>(frames.size());
    PixelBuffer out(stacked ? fw : fw * n, stacked ? fh * n : fh);
    for (int i = 0; i < n; ++i) {
        int ox = stacked ? 0 : i * fw, oy = stacked ? i * fh : 0;
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x) out.SetPixel(ox + x, oy + y, frames[i].Pixel(x, y));
    }
    return out;
}

PixelBuffer Crop(const PixelBuffer& src, int x, int y, int w, int h) {
    PixelBuffer out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) out.SetPixel(i, j, src.Pixel(x + i, y + j));
    return out;
}
