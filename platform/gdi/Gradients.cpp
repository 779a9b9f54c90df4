#include "platform/gdi/Gradients.h"

#include "platform/gdi/detail/Raster.h"
#include "platform/gdi/detail/ScanConvert.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

constexpr ULONG kMaxItems = 1 << 20;

BOOL Fail(std::uint32_t code) {
    SetLastError(code);
    return FALSE;
}

struct Channels {
    double c[4];  // blue, green, red, alpha in 0..255
};

Channels ChannelsOf(const TRIVERTEX& v) {
    return {{v.Blue / 256.0, v.Green / 256.0, v.Red / 256.0, v.Alpha / 256.0}};
}

Pixel PixelOf(const Channels& ch) {
    Pixel p = 0;
    for (int i = 0; i < 4; ++i) {
        double value = std::clamp(ch.c[i], 0.0, 255.0);
        p |= static_cast<Pixel>(static_cast<unsigned>(value)) << (8 * i);
    }
    return p;
}

void Put(BitmapSurface& surface, LONG x, LONG y, Pixel p) {
    surface.Set(x, y, surface.BitCount() == 32 ? p : (p & 0x00FFFFFF));
}

void FillRectangle(Raster& raster, const DeviceContext& dc, const TRIVERTEX& a, const TRIVERTEX& b, bool vertical) {
    POINT p = dc.ToSurface({a.x, a.y}), q = dc.ToSurface({b.x, b.y});
    RECT box = NormalizedRect({p.x, p.y, q.x, q.y});
    if (RectIsEmpty(box)) return;
    // Colours run from the vertex on the lower side to the other.
    bool aFirst = vertical ? p.y <= q.y : p.x <= q.x;
    Channels from = ChannelsOf(aFirst ? a : b), to = ChannelsOf(aFirst ? b : a);
    LONG extent = vertical ? box.bottom - box.top : box.right - box.left;
    Region pixels(box);
    pixels.Intersect(raster.Clip());
    for (const RECT& r : pixels.Rects())
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x) {
                double t = static_cast<double>(vertical ? y - box.top : x - box.left) / extent;
                Channels ch;
                for (int i = 0; i < 4; ++i) ch.c[i] = from.c[i] + (to.c[i] - from.c[i]) * t;
                Put(raster.Surface(), x, y, PixelOf(ch));
            }
}

void FillTriangle(Raster& raster, const DeviceContext& dc, const TRIVERTEX* v[3]) {
    PointF p[3];
    Channels ch[3];
    for (int i = 0; i < 3; ++i) {
        POINT s = dc.ToSurface({v[i]->x, v[i]->y});
        p[i] = {static_cast<double>(s.x), static_cast<double>(s.y)};
        ch[i] = ChannelsOf(*v[i]);
    }
    double area = (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
    if (area == 0) return;
    RECT bounds = raster.Clip().Bounds();
    // Pixel centres inside, as polygons fill: triangles sharing an edge
    // cover it once and nothing spills past a rectangle's right or bottom.
    Region pixels = RegionFromSpans(PolygonSpans({{p[0], p[1], p[2]}}, ALTERNATE, {bounds.top, bounds.bottom}));
    pixels.Intersect(raster.Clip());
    for (const RECT& r : pixels.Rects())
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x) {
                // Barycentric weights at the pixel's corner point, clamped onto the triangle.
                double w1 = ((x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (y - p[0].y)) / area;
                double w2 = ((p[1].x - p[0].x) * (y - p[0].y) - (x - p[0].x) * (p[1].y - p[0].y)) / area;
                w1 = std::clamp(w1, 0.0, 1.0);
                w2 = std::clamp(w2, 0.0, 1.0 - w1);
                double w0 = 1 - w1 - w2;
                Channels out;
                for (int i = 0; i < 4; ++i) out.c[i] = w0 * ch[0].c[i] + w1 * ch[1].c[i] + w2 * ch[2].c[i] + 0.5;
                Put(raster.Surface(), x, y, PixelOf(out));
            }
}

}  // namespace

BOOL GradientFill(HDC hdc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh, ULONG meshCount, ULONG mode) {
    auto dc = LookupDC(hdc);
    if (!dc) return Fail(ERROR_INVALID_HANDLE);
    if (!vertices || !mesh || vertexCount == 0 || vertexCount > kMaxItems || meshCount > kMaxItems ||
        mode > GRADIENT_FILL_TRIANGLE)
        return Fail(ERROR_INVALID_PARAMETER);
    // Every index is checked before anything is drawn.
    if (mode == GRADIENT_FILL_TRIANGLE) {
        auto* triangles = static_cast<const GRADIENT_TRIANGLE*>(mesh);
        for (ULONG i = 0; i < meshCount; ++i)
            if (triangles[i].Vertex1 >= vertexCount || triangles[i].Vertex2 >= vertexCount ||
                triangles[i].Vertex3 >= vertexCount)
                return Fail(ERROR_INVALID_PARAMETER);
    } else {
        auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
        for (ULONG i = 0; i < meshCount; ++i)
            if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount)
                return Fail(ERROR_INVALID_PARAMETER);
    }
    Raster raster(*dc);
    if (!raster.Drawable()) return TRUE;
    for (ULONG i = 0; i < meshCount; ++i) {
        if (mode == GRADIENT_FILL_TRIANGLE) {
            auto& t = static_cast<const GRADIENT_TRIANGLE*>(mesh)[i];
            const TRIVERTEX* corners[3] = {&vertices[t.Vertex1], &vertices[t.Vertex2], &vertices[t.Vertex3]};
            FillTriangle(raster, *dc, corners);
        } else {
            auto& r = static_cast<const GRADIENT_RECT*>(mesh)[i];
            FillRectangle(raster, *dc, vertices[r.UpperLeft], vertices[r.LowerRight], mode == GRADIENT_FILL_RECT_V);
        }
    }
    return TRUE;
}

}  // namespace platform
