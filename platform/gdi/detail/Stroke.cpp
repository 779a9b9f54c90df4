#include "platform/gdi/detail/Stroke.h"

#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/detail/RasterOps.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {
namespace {

// Cosmetic patterns in pixels, and geometric ones in pen widths.
std::vector<double> CosmeticPattern(int style) {
    switch (style) {
        case PS_DASH: return {18, 6};
        case PS_DOT: return {3, 3};
        case PS_DASHDOT: return {9, 6, 3, 6};
        case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
        case PS_ALTERNATE: return {1, 1};
        default: return {};
    }
}

std::vector<double> GeometricPattern(int style) {
    switch (style) {
        case PS_DASH: return {3, 1};
        case PS_DOT: return {1, 1};
        case PS_DASHDOT: return {3, 1, 1, 1};
        case PS_DASHDOTDOT: return {3, 1, 1, 1, 1, 1};
        default: return {};
    }
}

void AddPixel(std::vector<Span>& spans, LONG x, LONG y) {
    if (!spans.empty() && spans.back().y == y && spans.back().x1 == x) {
        ++spans.back().x1;
        return;
    }
    spans.push_back({y, x, x + 1});
}

// Walks a dash pattern along a path; `On()` tells whether the current
// position is inside a dash.
class DashWalker {
public:
    explicit DashWalker(const std::vector<double>& dashes) : dashes_(dashes) {
        for (double d : dashes_) period_ += d;
    }
    bool Solid() const { return dashes_.empty() || period_ <= 0; }
    bool On() const { return Solid() || index_ % 2 == 0; }
    // Distance to the next change of state.
    double Remaining() const { return Solid() ? INFINITY : dashes_[index_] - into_; }
    void Advance(double distance) {
        if (Solid()) return;
        distance = std::fmod(distance, period_);
        while (distance > 0) {
            double left = dashes_[index_] - into_;
            if (distance < left) {
                into_ += distance;
                return;
            }
            distance -= left;
            into_ = 0;
            index_ = (index_ + 1) % dashes_.size();
        }
    }

private:
    const std::vector<double>& dashes_;
    double period_ = 0;
    std::size_t index_ = 0;
    double into_ = 0;
};

// Lines may span the whole 32-bit plane, so the products need 128 bits.
long long FloorDiv(__int128 a, __int128 b) {
    __int128 q = a / b;
    return static_cast<long long>((a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q);
}

// One-pixel segment from a to b without b: pixel t of the major axis lies at
// minor = a + round(t * dminor / dmajor), so a clipped part starts exactly
// where the whole line would have. Each pixel within `bounds` goes to
// plot(x, y, inDash), each once.
template <class Plot>
void ThinSegment(POINT a, POINT b, const RECT& bounds, DashWalker& dash, Plot plot) {
    long long dx = static_cast<long long>(b.x) - a.x, dy = static_cast<long long>(b.y) - a.y;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    long long major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    long long steps = std::llabs(major);
    if (steps == 0) return;
    int step = major > 0 ? 1 : -1;
    long long majorStart = xMajor ? a.x : a.y, minorStart = xMajor ? a.y : a.x;
    long long lowMajor = xMajor ? bounds.left : bounds.top, highMajor = xMajor ? bounds.right : bounds.bottom;
    long long lowMinor = xMajor ? bounds.top : bounds.left, highMinor = xMajor ? bounds.bottom : bounds.right;
    // t range where the major coordinate is inside the bounds.
    long long t0 = step > 0 ? lowMajor - majorStart : majorStart - (highMajor - 1);
    long long t1 = step > 0 ? highMajor - majorStart : majorStart - lowMajor + 1;
    t0 = std::max(t0, 0LL);
    t1 = std::min(t1, steps);
    // ...and, roughly, where the minor one is (exactness is checked per pixel).
    if (minor != 0) {
        double ta = static_cast<double>(lowMinor - 1 - minorStart) * steps / static_cast<double>(minor);
        double tb = static_cast<double>(highMinor + 1 - minorStart) * steps / static_cast<double>(minor);
        if (ta > tb) std::swap(ta, tb);
        t0 = std::max(t0, static_cast<long long>(std::floor(std::max(ta, -1.0))) - 1);
        t1 = std::min(t1, static_cast<long long>(std::ceil(std::min(tb, static_cast<double>(steps)))) + 1);
        t0 = std::max(t0, 0LL);
        t1 = std::min(t1, steps);
    } else if (minorStart < lowMinor || minorStart >= highMinor) {
        t1 = t0;
    }
    if (t1 <= t0) {
        dash.Advance(static_cast<double>(steps));
        return;
    }
    dash.Advance(static_cast<double>(t0));
    // The minor offset is floor((2 t minor + steps) / (2 steps)): worked out
    // once in 128 bits at t0, then carried from pixel to pixel by its
    // remainder, which stays below 2 steps (|minor| <= steps).
    const long long divisor = 2 * steps;
    const __int128 first = static_cast<__int128>(2) * t0 * minor + steps;
    long long offset = FloorDiv(first, divisor);
    long long remainder = static_cast<long long>(first - static_cast<__int128>(offset) * divisor);
    for (long long t = t0; t < t1; ++t) {
        long long m = majorStart + t * step;
        long long n = minorStart + offset;
        remainder += 2 * minor;
        if (remainder >= divisor) {
            remainder -= divisor;
            ++offset;
        } else if (remainder < 0) {
            remainder += divisor;
            --offset;
        }
        LONG x = static_cast<LONG>(xMajor ? m : n), y = static_cast<LONG>(xMajor ? n : m);
        if (x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom)
            plot(x, y, dash.On());
        dash.Advance(1);
    }
    dash.Advance(static_cast<double>(steps - t1));
}

PointF Centre(POINT p) { return {p.x + 0.5, p.y + 0.5}; }

struct WideBuilder {
    const PenShape& pen;
    RowRange rows;
    std::vector<std::vector<PointF>> polygons;
    std::vector<Span> spans;

    void Disc(PointF c) {
        auto disc = DiscSpans(c, pen.width, rows);
        spans.insert(spans.end(), disc.begin(), disc.end());
    }

    // One straight piece with the caps its ends need (only open ends get caps).
    void Piece(PointF a, PointF b, bool capStart, bool capEnd) {
        double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
        double h = pen.width / 2;
        if (length == 0) {
            if ((capStart || capEnd) && pen.endCap == PS_ENDCAP_ROUND) Disc(a);
            else if ((capStart || capEnd) && pen.endCap == PS_ENDCAP_SQUARE)
                polygons.push_back({{a.x - h, a.y - h}, {a.x + h, a.y - h}, {a.x + h, a.y + h}, {a.x - h, a.y + h}});
            return;
        }
        double ux = dx / length, uy = dy / length;
        if (pen.endCap == PS_ENDCAP_SQUARE) {
            if (capStart) a = {a.x - ux * h, a.y - uy * h};
            if (capEnd) b = {b.x + ux * h, b.y + uy * h};
        }
        double nx = -uy * h, ny = ux * h;
        polygons.push_back({{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}});
        if (pen.endCap == PS_ENDCAP_ROUND) {
            if (capStart) Disc(a);
            if (capEnd) Disc(b);
        }
    }

    void Join(PointF prev, PointF at, PointF next) {
        if (pen.join == PS_JOIN_ROUND) {
            Disc(at);
            return;
        }
        double h = pen.width / 2;
        double l1 = std::hypot(at.x - prev.x, at.y - prev.y), l2 = std::hypot(next.x - at.x, next.y - at.y);
        if (l1 == 0 || l2 == 0) return;
        PointF u1{(at.x - prev.x) / l1, (at.y - prev.y) / l1}, u2{(next.x - at.x) / l2, (next.y - at.y) / l2};
        PointF n1{-u1.y * h, u1.x * h}, n2{-u2.y * h, u2.x * h};
        for (int side : {1, -1}) {
            PointF p1{at.x + side * n1.x, at.y + side * n1.y}, p2{at.x + side * n2.x, at.y + side * n2.y};
            polygons.push_back({at, p1, p2});
            if (pen.join != PS_JOIN_MITER) continue;
            // Miter point: where the two offset edges meet, within 10 half-widths.
            double cross = u1.x * u2.y - u1.y * u2.x;
            if (std::fabs(cross) < 1e-9) continue;
            double t = ((p2.x - p1.x) * u2.y - (p2.y - p1.y) * u2.x) / cross;
            PointF m{p1.x + u1.x * t, p1.y + u1.y * t};
            if (std::hypot(m.x - at.x, m.y - at.y) <= 10 * h) polygons.push_back({at, p1, m, p2});
        }
    }

    // A run of points drawn as one piece of ink (a whole path or one dash).
    void Run(const std::vector<PointF>& run, bool closed) {
        std::size_t n = run.size();
        if (n == 0) return;
        if (n == 1) {
            Piece(run[0], run[0], true, true);
            return;
        }
        std::size_t segments = closed ? n : n - 1;
        for (std::size_t i = 0; i < segments; ++i)
            Piece(run[i], run[(i + 1) % n], !closed && i == 0, !closed && i + 1 == segments);
        for (std::size_t i = closed ? 0 : 1; i < (closed ? n : n - 1); ++i)
            Join(run[(i + n - 1) % n], run[i], run[(i + 1) % n]);
    }

    std::vector<Span> Finish() {
        auto filled = PolygonSpans(polygons, WINDING, rows);
        spans.insert(spans.end(), filled.begin(), filled.end());
        return std::move(spans);
    }
};

// The part [t0, t1] of segment a-b inside a box (Liang-Barsky); false when
// it misses the box.
bool ClipSegment(PointF a, PointF b, double left, double top, double right, double bottom, double& t0, double& t1) {
    t0 = 0;
    t1 = 1;
    double d[2] = {b.x - a.x, b.y - a.y};
    double lows[2] = {left - a.x, top - a.y}, highs[2] = {right - a.x, bottom - a.y};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0) {
            if (lows[axis] > 0 || highs[axis] < 0) return false;
            continue;
        }
        double ta = lows[axis] / d[axis], tb = highs[axis] / d[axis];
        if (ta > tb) std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
    }
    return t0 <= t1;
}

// Splits a path into dashes; each dash keeps the joins of the vertices it
// passes. Parts outside the box only advance the pattern.
std::vector<std::vector<PointF>> Dashes(const std::vector<PointF>& path, const std::vector<double>& pattern,
                                        const RECT& box, double margin) {
    DashWalker dash(pattern);
    std::vector<std::vector<PointF>> runs;
    std::vector<PointF> current;
    auto close = [&] {
        if (!current.empty()) runs.push_back(std::move(current));
        current.clear();
    };
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        PointF a = path[i], b = path[i + 1];
        double length = std::hypot(b.x - a.x, b.y - a.y);
        if (length == 0) continue;
        double t0 = 0, t1 = 0;
        if (!ClipSegment(a, b, box.left - margin, box.top - margin, box.right + margin, box.bottom + margin, t0, t1)) {
            close();
            dash.Advance(length);
            continue;
        }
        if (t0 > 0) close();
        dash.Advance(length * t0);
        double done = length * t0, end = length * t1;
        while (done < end) {
            double step = std::min(dash.Remaining(), end - done);
            PointF from{a.x + (b.x - a.x) * done / length, a.y + (b.y - a.y) * done / length};
            PointF to{a.x + (b.x - a.x) * (done + step) / length, a.y + (b.y - a.y) * (done + step) / length};
            if (dash.On()) {
                if (current.empty()) current.push_back(from);
                current.push_back(to);
            }
            done += step;
            dash.Advance(step);
            if (!dash.On()) close();
        }
        if (t1 < 1) {
            close();
            dash.Advance(length * (1 - t1));
        }
    }
    close();
    return runs;
}

StrokePixels WideStroke(const PenShape& pen, std::vector<PointF> path, bool closed, const RECT& bounds) {
    WideBuilder builder{pen, {bounds.top - 1, bounds.bottom + 1}, {}, {}};
    double margin = pen.width * 2 + 2;
    bool inside = std::all_of(path.begin(), path.end(), [&](PointF p) {
        return p.x >= bounds.left - margin && p.x <= bounds.right + margin && p.y >= bounds.top - margin &&
               p.y <= bounds.bottom + margin;
    });
    if (pen.dashes.empty() && inside) {
        builder.Run(path, closed);
    } else {
        if (closed && !path.empty()) path.push_back(path.front());
        for (const auto& run : Dashes(path, pen.dashes, bounds, margin)) builder.Run(run, false);
    }
    return {builder.Finish(), {}};
}

}  // namespace

PenShape PenShapeOf(const Raster& raster) {
    PenShape shape;
    const DeviceContext& dc = raster.Dc();
    auto pen = std::dynamic_pointer_cast<PenObject>(dc.state.pen.object);
    shape.ink = raster.PenPaint();
    if (!pen || pen->Style() == PS_NULL) return shape;
    shape.visible = true;
    LONG width = dc.state.mapping.WidthToDevice(pen->Width());
    shape.width = std::max<LONG>(width, 1);
    shape.thin = shape.width <= 1;
    shape.endCap = pen->EndCap();
    shape.join = pen->Join();
    shape.insideFrame = pen->Style() == PS_INSIDEFRAME;
    int style = pen->Style();
    if (style == PS_USERSTYLE) {
        for (DWORD entry : pen->UserStyle())
            shape.dashes.push_back(std::max<double>(1, dc.state.mapping.WidthToDevice(static_cast<LONG>(entry))));
    } else if (shape.thin) {
        shape.dashes = CosmeticPattern(style);
    } else if (pen->Geometric()) {
        for (double d : GeometricPattern(style)) shape.dashes.push_back(d * shape.width);
    }
    if (shape.thin && !shape.dashes.empty() && dc.state.bkMode == OPAQUE) {
        shape.gap = raster.SolidPaint(dc.state.bkColor);
    }
    return shape;
}

StrokePixels StrokePolyline(const PenShape& pen, const std::vector<POINT>& points, bool closed, const RECT& bounds) {
    StrokePixels out;
    if (!pen.visible || points.empty()) return out;
    if (!pen.thin) {
        std::vector<PointF> path;
        for (POINT p : points) path.push_back(Centre(p));
        return WideStroke(pen, std::move(path), closed, bounds);
    }
    DashWalker dash(pen.dashes);
    auto collect = [&out](LONG x, LONG y, bool inDash) { AddPixel(inDash ? out.ink : out.gaps, x, y); };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) ThinSegment(points[i], points[i + 1], bounds, dash, collect);
    if (closed && points.size() > 1) ThinSegment(points.back(), points.front(), bounds, dash, collect);
    return out;
}

namespace {

// A vertical or horizontal one-pixel segment copied in without the walk:
// the same pixels, from a up to b without b, inside `bounds`.
bool CopyStraightSegment(BitmapSurface& surface, const RECT& bounds, POINT a, POINT b, Pixel color) {
    if (a.x == b.x) {
        if (a.x < bounds.left || a.x >= bounds.right) return true;
        const LONG from = std::max(a.y < b.y ? a.y : b.y + 1, bounds.top);
        const LONG to = std::min(a.y < b.y ? b.y : a.y + 1, bounds.bottom);
        for (LONG y = from; y < to; ++y) surface.Row32(y)[a.x] = color;
        return true;
    }
    if (a.y == b.y) {
        if (a.y < bounds.top || a.y >= bounds.bottom) return true;
        const LONG from = std::max(a.x < b.x ? a.x : b.x + 1, bounds.left);
        const LONG to = std::min(a.x < b.x ? b.x : a.x + 1, bounds.right);
        if (from < to) std::fill(surface.Row32(a.y) + from, surface.Row32(a.y) + to, color);
        return true;
    }
    return false;
}

}  // namespace

bool PaintSolidThinPolyline(Raster& raster, const PenShape& pen, const std::vector<POINT>& points, bool closed) {
    if (!pen.visible || !pen.thin || !pen.dashes.empty() || pen.ink.kind != Paint::Kind::Solid) return false;
    if (!raster.Drawable() || raster.Surface().BitCount() != 32 || raster.Clip().Complexity() != SIMPLEREGION)
        return false;
    // Where segments of one call cross, a pixel must not be mixed twice.
    const bool oneSegment = points.size() == 2 && !closed;
    if (!oneSegment && pen.ink.rop2 != R2_COPYPEN) return false;
    BitmapSurface& surface = raster.Surface();
    const RECT bounds = raster.Clip().Bounds();
    const Pixel color = pen.ink.color;
    const int rop2 = pen.ink.rop2;
    DashWalker solid(pen.dashes);
    auto put = [&](LONG x, LONG y, bool) {
        Pixel& pixel = surface.Row32(y)[x];
        pixel = rop2 == R2_COPYPEN ? color : MixRop2(rop2, color, pixel);
    };
    auto segment = [&](POINT a, POINT b) {
        if (rop2 == R2_COPYPEN && CopyStraightSegment(surface, bounds, a, b, color)) return;
        ThinSegment(a, b, bounds, solid, put);
    };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) segment(points[i], points[i + 1]);
    if (closed && points.size() > 1) segment(points.back(), points.front());
    return true;
}

StrokePixels StrokePolylineF(const PenShape& pen, const std::vector<PointF>& points, bool closed, const RECT& bounds) {
    if (!pen.visible || points.empty()) return {};
    if (!pen.thin) return WideStroke(pen, points, closed, bounds);
    std::vector<POINT> pixels;
    for (PointF p : points) {
        POINT q{static_cast<LONG>(std::floor(p.x)), static_cast<LONG>(std::floor(p.y))};
        if (pixels.empty() || !(pixels.back() == q)) pixels.push_back(q);
    }
    StrokePixels out = StrokePolyline(pen, pixels, closed, bounds);
    // An open curve ends on its last pixel too.
    if (!closed && pixels.size() > 0) {
        POINT last = pixels.back();
        if (last.x >= bounds.left && last.x < bounds.right && last.y >= bounds.top && last.y < bounds.bottom)
            out.ink.push_back({last.y, last.x, last.x + 1});
    }
    return out;
}

void PaintStroke(Raster& raster, const PenShape& pen, const StrokePixels& pixels) {
    Region ink = RegionFromSpans(pixels.ink);
    raster.Fill(ink, pen.ink);
    if (!pixels.gaps.empty() && pen.gap.kind != Paint::Kind::None) {
        Region gaps = RegionFromSpans(pixels.gaps);
        gaps.Subtract(ink);
        raster.Fill(gaps, pen.gap);
    }
}

}  // namespace platform
