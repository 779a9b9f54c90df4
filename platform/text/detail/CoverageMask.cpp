#include "platform/text/detail/CoverageMask.h"

#include "platform/text/detail/FontFile.h"

#include FT_OUTLINE_H

#include <cmath>

namespace platform {
namespace {

double SignedArea(const std::vector<PointF>& polygon) {
    double area = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PointF& a = polygon[i];
        const PointF& b = polygon[(i + 1) % polygon.size()];
        area += a.x * b.y - b.x * a.y;
    }
    return area / 2;
}

}  // namespace

CoverageMask RasterisePolygons(const std::vector<std::vector<PointF>>& polygons, bool antialias) {
    std::vector<FT_Vector> points;
    std::vector<char> tags;
    std::vector<short> contourEnds;
    for (const auto& polygon : polygons) {
        if (polygon.size() < 3) continue;
        // One winding direction for all, so that overlaps unite.
        bool reverse = SignedArea(polygon) < 0;
        for (std::size_t k = 0; k < polygon.size(); ++k) {
            const PointF& p = polygon[reverse ? polygon.size() - 1 - k : k];
            points.push_back({static_cast<FT_Pos>(std::lround(p.x * 64)), static_cast<FT_Pos>(std::lround(-p.y * 64))});
            tags.push_back(FT_CURVE_TAG_ON);
        }
        contourEnds.push_back(static_cast<short>(points.size() - 1));
    }
    CoverageMask mask;
    if (points.empty()) return mask;

    FT_Outline outline{};
    outline.n_points = static_cast<short>(points.size());
    outline.n_contours = static_cast<short>(contourEnds.size());
    outline.points = points.data();
    outline.tags = tags.data();
    outline.contours = contourEnds.data();
    outline.flags = FT_OUTLINE_NONE;

    FT_BBox box;
    FT_Outline_Get_CBox(&outline, &box);
    long xMin = static_cast<long>(std::floor(box.xMin / 64.0));
    long yMin = static_cast<long>(std::floor(box.yMin / 64.0));
    long xMax = static_cast<long>(std::ceil(box.xMax / 64.0));
    long yMax = static_cast<long>(std::ceil(box.yMax / 64.0));
    if (xMax <= xMin || yMax <= yMin) return mask;
    FT_Outline_Translate(&outline, -xMin * 64, -yMin * 64);

    int width = static_cast<int>(xMax - xMin);
    int height = static_cast<int>(yMax - yMin);
    int pitch = antialias ? width : (width + 7) / 8;
    std::vector<unsigned char> buffer(static_cast<std::size_t>(pitch) * height);
    FT_Bitmap bitmap{};
    bitmap.rows = static_cast<unsigned>(height);
    bitmap.width = static_cast<unsigned>(width);
    bitmap.pitch = pitch;
    bitmap.buffer = buffer.data();
    bitmap.num_grays = antialias ? 256 : 2;
    bitmap.pixel_mode = antialias ? FT_PIXEL_MODE_GRAY : FT_PIXEL_MODE_MONO;
    {
        std::lock_guard guard(FreeTypeLock());
        FT_Library library = FreeTypeLibrary();
        if (!library || FT_Outline_Get_Bitmap(library, &outline, &bitmap) != 0) return mask;
    }
    mask.left = static_cast<int>(xMin);
    mask.top = static_cast<int>(-yMax);
    mask.width = width;
    mask.height = height;
    mask.coverage.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char value = antialias ? buffer[y * pitch + x]
                                            : ((buffer[y * pitch + x / 8] >> (7 - x % 8)) & 1 ? 255 : 0);
            mask.coverage[static_cast<std::size_t>(y) * width + x] = value;
        }
    }
    return mask;
}

}  // namespace platform
