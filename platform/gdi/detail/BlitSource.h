#pragma once
// The source side of blits: a copy of the source pixels a call reads (so a
// source overlapping the destination reads what was there before), already
// in the destination's colours, and the mapping of destination pixels onto
// source pixels for stretching and mirroring.

#include "platform/gdi/detail/Raster.h"

#include <optional>
#include <vector>

namespace platform {

struct SourceColors {
    // Monochrome device bitmaps take the destination's text (0 bits) and
    // background (1 bits) colours; colour pixels become 1 in a monochrome
    // destination where they equal the source DC's background colour.
    bool monoUsesDcColors = true;
    Pixel text = 0;
    Pixel background = 0x00FFFFFF;
    Pixel sourceBackground = 0x00FFFFFF;
    bool toMono = false;
};

class BlitSource {
public:
    // rect: the source rectangle in the surface's pixels (any size; only the
    // part on the surface is copied).
    BlitSource(const BitmapSurface& surface, const RECT& rect, const SourceColors& colors);

    LONG Width() const { return width_; }
    LONG Height() const { return height_; }
    // Pixel (sx, sy) of the source rectangle; nothing when it lies off the
    // surface.
    std::optional<Pixel> At(LONG sx, LONG sy) const;
    bool HasAlpha() const { return bitCount_ == 32; }

private:
    LONG width_;
    LONG height_;
    RECT copied_{};  // the part of the source rectangle on the surface, rect-relative
    int bitCount_;
    std::vector<Pixel> pixels_;
};

// Maps destination pixel offsets [0, dest) onto a source extent: nearest
// pixel by centres, or the box a destination pixel covers.
struct AxisMap {
    LONG dest;    // destination extent, positive
    LONG source;  // source extent, positive
    bool mirror;

    LONG Nearest(LONG i) const;
    void Box(LONG i, LONG& first, LONG& last) const;  // last exclusive, never empty
};

}  // namespace platform
