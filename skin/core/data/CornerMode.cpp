#include "skin/core/data/CornerMode.h"

#include "skin/core/library/SkinConstants.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::int16_t kCornersClean = 0, kCornersKeyed = 1, kCornersCutOut = 2;

struct Region {
    int x0, x1, y0, y1;
};

bool HasKeyPixel(TBitmap& picture, const Region& r) {
    // The last column and row of the picture are never scanned.
    int x1 = std::min(r.x1, picture.Width() - 1), y1 = std::min(r.y1, picture.Height() - 1);
    for (int y = std::max(0, r.y0); y < y1; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(picture.ScanLine(y));
        for (int x = std::max(0, r.x0); x < x1; ++x) {
            std::uint32_t pixel;
            std::memcpy(&pixel, row + x * 4, sizeof pixel);
            if (pixel == KeyColorValue) return true;
        }
    }
    return false;
}

}  // namespace

std::int16_t ClassifyCorners(const TSkMaskData& m, TBitmap* picture) {
    if (m.Section == "BUTTON_HUGE" && m.Key == "BORDERSMASK") return kCornersCutOut;
    if (platform::RectHeight(m.SourceRect) <= 0 || !picture || picture->PixelFormat() != TPixelFormat::pf32bit)
        return kCornersClean;
    const platform::RECT& s = m.SourceRect;
    int frameWidth = m.FrameCount > 0 ? platform::RectWidth(s) / m.FrameCount : 0;
    int rowHeight = m.MaskMode + 1 > 0 ? platform::RectHeight(s) / (m.MaskMode + 1) : 0;
    int right = s.left + frameWidth - m.BorderRight, bottom = s.top + rowHeight - m.BorderBottom;
    const Region corners[] = {
        {s.left, s.left + m.BorderLeft, s.top, s.top + m.BorderTop},
        {right, right + m.BorderRight, s.top, s.top + m.BorderTop},
        {s.left, s.left + m.BorderLeft, bottom, bottom + m.BorderBottom},
        {right, right + m.BorderRight, bottom, bottom + m.BorderBottom},
    };
    for (const Region& r : corners)
        if (HasKeyPixel(*picture, r)) return kCornersKeyed;
    return kCornersClean;
}
