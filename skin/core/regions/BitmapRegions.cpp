#include "skin/core/regions/BitmapRegions.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/pixels/AlphaPixels.h"

#include "ui/graphics/Bitmap.h"

#include "platform/gdi/Regions.h"

namespace {

constexpr std::uint32_t kCornerKey = 0x00FF00FFu;
constexpr std::uint32_t kColourBits = 0x00FFFFFFu;

// Runs of `key` in columns [from, to) of one row; each run is moved by `shiftX` and put on row `y`.
void RowRuns(TAOR& runs, const std::uint32_t* row, int from, int to, std::uint32_t key, int shiftX, int y) {
    int start = -1;
    for (int x = from; x <= to; ++x) {
        const bool keyed = x < to && row[x] == key;
        if (keyed && start < 0) start = x;
        if (!keyed && start >= 0) {
            runs.emplace_back(start - from + shiftX, y, x - from + shiftX, y + 1);
            start = -1;
        }
    }
}

}  // namespace

void CollectKeyRuns(TAOR& runs, TBitmap& bitmap, std::uint32_t key) {
    if (!IsBitmap32(&bitmap)) return;
    for (int y = 0; y < bitmap.Height(); ++y) RowRuns(runs, PixelRow(bitmap, y), 0, bitmap.Width(), key, 0, y);
}

platform::HRGN RegionFromBitmap(TBitmap& bitmap, std::uint32_t key) {
    platform::HRGN region = platform::CreateRectRgn(0, 0, bitmap.Width(), bitmap.Height());
    TAOR runs;
    CollectKeyRuns(runs, bitmap, key & kColourBits);
    for (const TRect& run : runs) {
        platform::HRGN hole = platform::CreateRectRgn(run.Left, run.Top, run.Right, run.Bottom);
        platform::CombineRgn(region, region, hole, platform::RGN_DIFF);
        platform::DeleteObject(hole);
    }
    return region;
}

void AddCornerRegionRects(TAOR& runs, int width, const TSkMaskData& mask, bool bottom, int offsetY) {
    if (!mask.Owner) return;
    TBitmap* picture = mask.Owner->Skin().PictureOf(mask);
    if (!picture || !IsBitmap32(picture)) return;
    const TRect r = mask.SourceRect;
    const int rows = bottom ? mask.BorderBottom : mask.BorderTop;
    const int firstRow = bottom ? r.Top + MaskFrameHeight(mask) - rows : r.Top;
    if (rows <= 0 || firstRow < 0 || firstRow + rows > picture->Height()) return;
    const int frameWidth = MaskFrameWidth(mask);
    const int leftFrom = r.Left, leftTo = r.Left + mask.BorderLeft;
    const int rightFrom = r.Left + frameWidth - mask.BorderRight, rightTo = r.Left + frameWidth;
    const bool leftInside = leftFrom >= 0 && leftTo <= picture->Width();
    const bool rightInside = rightFrom >= 0 && rightTo <= picture->Width();
    if (leftInside)
        for (int y = 0; y < rows; ++y)
            RowRuns(runs, PixelRow(*picture, firstRow + y), leftFrom, leftTo, kCornerKey, 0, offsetY + y);
    if (rightInside)
        for (int y = 0; y < rows; ++y)
            RowRuns(runs, PixelRow(*picture, firstRow + y), rightFrom, rightTo, kCornerKey,
                    width - mask.BorderRight, offsetY + y);
}
