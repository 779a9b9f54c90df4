#include "skin/core/adjust/ShadowTemplates.h"

#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/png/PngIcons.h"

#include "ui/graphics/Bitmap.h"

namespace {

constexpr double kOldestUntouchedShadowVersion = 7.6;

std::unique_ptr<TBitmap> Copy32(const TBitmap& source) {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(&source);
    if (copy->PixelFormat() != TPixelFormat::pf32bit) copy->SetPixelFormat(TPixelFormat::pf32bit);
    return copy;
}

// One frame of `picture` at (x, y); the part outside the picture stays 0.
std::unique_ptr<TBitmap> Frame(TBitmap& picture, int x, int y, int width, int height) {
    auto frame = NewBitmap32(width, height);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            std::uint32_t p = 0;
            if (x + col < picture.Width() && y + row < picture.Height()) {
                if (IsBitmap32(&picture))
                    p = ReadPixel32(picture, x + col, y + row);
                else
                    p = 0xFF000000u | ExchangeRedBlue(static_cast<std::uint32_t>(picture.Canvas()->Pixels(x + col, y + row)));
            }
            PixelRow(*frame, row)[col] = p;
        }
    return frame;
}

}  // namespace

void UpdateShadowTemplates(const TSkinContent& skin, const TSkinData& data, bool active, bool extendedBorders,
                           const TSkDefaultShadows& defaults, TSkShadowTemplates& templates) {
    templates.Margins = TRect();
    if (!active || !extendedBorders) return;
    templates.Active = NewBitmap32(0, 0);
    templates.Inactive = NewBitmap32(0, 0);
    int index = skin.StdIndexes.GlobalMask("EXBORDER");
    if (!skin.MaskIndexValid(index)) {
        if (defaults.Active && defaults.Inactive) {
            templates.Active = Copy32(*defaults.Active);
            templates.Inactive = Copy32(*defaults.Inactive);
            templates.Margins = TRect(kDefaultShadowMargin, kDefaultShadowMargin, kDefaultShadowMargin,
                                      kDefaultShadowMargin);
        }
        return;
    }
    const TSkMaskData& mask = skin.Masks[std::size_t(index)];
    int offset = data.FormOffset;
    templates.Margins = data.BorderMode != 0
                            ? TRect(offset, offset, offset, offset)
                            : TRect(mask.BorderLeft - offset, mask.BorderTop - offset, mask.BorderRight - offset,
                                    mask.BorderBottom - offset);
    // An image given in the master bitmap is cut from there at its own place.
    TBitmap* picture = skin.PictureOf(mask);
    if (!picture) return;
    int x = mask.Image ? 0 : mask.SourceRect.left, y = mask.Image ? 0 : mask.SourceRect.top;
    int w = MaskFrameWidth(mask), h = MaskFrameHeight(mask);
    if (w <= 0 || h <= 0) return;
    templates.Inactive = Frame(*picture, x, y, w, h);
    templates.Active = mask.FrameCount == 1 ? Copy32(*templates.Inactive) : Frame(*picture, x + w, y, w, h);
    if (data.Version < kOldestUntouchedShadowVersion) {
        ZeroTransparentWhite(*templates.Active);
        ZeroTransparentWhite(*templates.Inactive);
    }
}
