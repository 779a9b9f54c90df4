#include "platform/gdi/detail/Raster.h"

#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/SystemColors.h"
#include "platform/gdi/detail/RasterOps.h"

namespace platform {
namespace {

LONG Mod(LONG value, LONG divisor) {
    LONG r = value % divisor;
    return r < 0 ? r + divisor : r;
}

bool HatchInk(int hatch, LONG x, LONG y) {
    LONG px = Mod(x, 8), py = Mod(y, 8);
    bool horizontal = py == 4, vertical = px == 4;
    bool forward = Mod(px - py, 8) == 0, backward = Mod(px + py, 8) == 7;
    switch (hatch) {
        case HS_HORIZONTAL: return horizontal;
        case HS_VERTICAL: return vertical;
        case HS_FDIAGONAL: return forward;
        case HS_BDIAGONAL: return backward;
        case HS_CROSS: return horizontal || vertical;
        default: return forward || backward;
    }
}

}  // namespace

Pixel SurfaceColor(COLORREF color) { return PixelFromColor(color); }

bool Paint::SourceAt(LONG x, LONG y, Pixel& out) const {
    switch (kind) {
        case Kind::Solid: out = color; return true;
        case Kind::Hatch:
            if (HatchInk(hatch, x - origin.x, y - origin.y)) {
                out = color;
                return true;
            }
            out = background;
            return opaqueBackground;
        case Kind::Pattern: {
            LONG px = Mod(x - origin.x, pattern->Width()), py = Mod(y - origin.y, pattern->Height());
            if (pattern->BitCount() == 1) out = pattern->IndexAt(px, py) ? patternBack : patternText;
            else out = pattern->Get(px, py) & 0x00FFFFFF;
            return true;
        }
        default: return false;
    }
}

Region RegionFromSpans(const std::vector<Span>& spans) {
    std::vector<RECT> rects;
    rects.reserve(spans.size());
    for (const Span& s : spans)
        if (s.x1 > s.x0) rects.push_back({s.x0, s.y, s.x1, s.y + 1});
    return Region::FromRects(rects);
}

Raster::Raster(DeviceContext& dc) : dc_(dc), surface_(dc.Surface().get()), clip_(dc.SurfaceClip()) {}

void Raster::FillRect(const RECT& rect, const Paint& paint) { Fill(Region(rect), paint); }

void Raster::Fill(const Region& pixels, const Paint& paint) {
    if (!surface_ || paint.kind == Paint::Kind::None) return;
    Region area = pixels;
    area.Intersect(clip_);
    bool fast32 = surface_->BitCount() == 32 && paint.kind == Paint::Kind::Solid;
    for (const RECT& r : area.Rects()) {
        for (LONG y = r.top; y < r.bottom; ++y) {
            if (fast32 && paint.rop2 == R2_COPYPEN) {
                Pixel* row = surface_->Row32(y);
                for (LONG x = r.left; x < r.right; ++x) row[x] = paint.color;
                continue;
            }
            if (fast32) {
                Pixel* row = surface_->Row32(y);
                for (LONG x = r.left; x < r.right; ++x) row[x] = MixRop2(paint.rop2, paint.color, row[x]);
                continue;
            }
            for (LONG x = r.left; x < r.right; ++x) {
                Pixel source = 0;
                if (!paint.SourceAt(x, y, source)) continue;
                surface_->Set(x, y, MixRop2(paint.rop2, source, surface_->Get(x, y)));
            }
        }
    }
}

Paint Raster::SolidPaint(COLORREF color) const {
    Paint paint;
    paint.kind = Paint::Kind::Solid;
    paint.color = SurfaceColor(color);
    paint.rop2 = dc_.state.rop2;
    return paint;
}

Paint Raster::PenPaint() const {
    auto pen = std::dynamic_pointer_cast<PenObject>(dc_.state.pen.object);
    if (!pen || pen->Style() == PS_NULL) return {};
    bool dcPen = dc_.state.pen.handle == StockHandle(DC_PEN);
    return SolidPaint(dcPen ? dc_.state.dcPenColor : pen->Color());
}

Paint Raster::BrushPaint() const {
    return BrushPaint(dc_.state.brush.object, dc_.state.brush.handle == StockHandle(DC_BRUSH));
}

Paint Raster::BrushPaint(const std::shared_ptr<GdiObject>& object, bool isDcBrush) const {
    auto brush = std::dynamic_pointer_cast<BrushObject>(object);
    if (!brush) return {};
    Paint paint;
    paint.rop2 = dc_.state.rop2;
    paint.origin = {dc_.state.brushOrigin.x + dc_.origin.x, dc_.state.brushOrigin.y + dc_.origin.y};
    switch (brush->Style()) {
        case BS_SOLID:
            paint.kind = Paint::Kind::Solid;
            paint.color = SurfaceColor(isDcBrush ? dc_.state.dcBrushColor : brush->Color());
            break;
        case BS_HATCHED:
            paint.kind = Paint::Kind::Hatch;
            paint.hatch = brush->Hatch();
            paint.color = SurfaceColor(brush->Color());
            paint.background = SurfaceColor(dc_.state.bkColor);
            paint.opaqueBackground = dc_.state.bkMode == OPAQUE;
            break;
        case BS_PATTERN:
            paint.kind = Paint::Kind::Pattern;
            paint.pattern = brush->Pattern().get();
            paint.patternText = SurfaceColor(dc_.state.textColor);
            paint.patternBack = SurfaceColor(dc_.state.bkColor);
            break;
        default: break;
    }
    return paint;
}

}  // namespace platform
