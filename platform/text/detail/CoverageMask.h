#pragma once
// Coverage masks: how much of each device pixel a glyph or shape covers
// (0..255), placed at a device position. Text is drawn by blending masks.

#include <cstdint>
#include <vector>

namespace platform {

struct CoverageMask {
    int left = 0;  // device position of the first column and row
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // rows top-down, width bytes each

    bool Empty() const { return width <= 0 || height <= 0; }
    std::uint8_t At(int x, int y) const { return coverage[static_cast<std::size_t>(y) * width + x]; }
};

struct PointF {
    double x = 0;
    double y = 0;
};

// Fills closed polygons given in device coordinates (y down); overlapping
// polygons unite. Without antialiasing a pixel is covered when its centre is.
CoverageMask RasterisePolygons(const std::vector<std::vector<PointF>>& polygons, bool antialias);

}  // namespace platform
