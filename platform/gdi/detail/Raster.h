#pragma once
// Painting pixel sets of one drawing call into a DC's surface: regions in
// surface coordinates, clipped to what the DC may touch, each pixel written
// once (so XOR modes stay reversible), with a solid colour, a hatch or a
// pattern, mixed by the DC's ROP2.

#include "platform/gdi/detail/DeviceContextState.h"

#include <vector>

namespace platform {

// What to put into each pixel.
struct Paint {
    enum class Kind { None, Solid, Hatch, Pattern };
    Kind kind = Kind::None;
    Pixel color = 0;
    Pixel background = 0;          // hatch gaps when opaque
    bool opaqueBackground = false;
    int hatch = 0;
    const BitmapSurface* pattern = nullptr;
    POINT origin;                  // brush origin, surface coordinates
    Pixel patternText = 0;         // monochrome patterns: 0 bits take the text colour,
    Pixel patternBack = 0x00FFFFFF;  // 1 bits the background colour
    int rop2 = 13;                 // R2_COPYPEN

    // The brush colour of a pixel before mixing; false where it leaves the
    // pixel alone (the gaps of a transparent hatch).
    bool SourceAt(LONG x, LONG y, Pixel& out) const;
};

// A row of pixels [x0, x1) at y, the unit shapes are built from.
struct Span {
    LONG y;
    LONG x0;
    LONG x1;
};

Region RegionFromSpans(const std::vector<Span>& spans);

class Raster {
public:
    explicit Raster(DeviceContext& dc);

    bool Drawable() const { return surface_ != nullptr && !clip_.IsEmpty(); }
    BitmapSurface& Surface() { return *surface_; }
    const Region& Clip() const { return clip_; }
    DeviceContext& Dc() { return dc_; }
    const DeviceContext& Dc() const { return dc_; }

    void Fill(const Region& pixels, const Paint& paint);
    void FillRect(const RECT& rect, const Paint& paint);

    // The DC's pen colour, brush and text colours as paints.
    Paint PenPaint() const;
    Paint BrushPaint() const;
    Paint BrushPaint(const std::shared_ptr<GdiObject>& brush, bool isDcBrush) const;
    Paint SolidPaint(COLORREF color) const;

private:
    DeviceContext& dc_;
    BitmapSurface* surface_;
    Region clip_;
};

// The pixel value a colour has in a surface (colour tables pick the nearest).
Pixel SurfaceColor(COLORREF color);

}  // namespace platform
