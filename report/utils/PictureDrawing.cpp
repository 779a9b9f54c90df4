#include "report/utils/PictureDrawing.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"
#include "ui/core/ScopeGuards.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/ImageList.h"
#include "ui/graphics/ImagePixels.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int kBytesPerPixel = 4;

// The bitmap as 32-bit rows from the top, with the header that describes them.
struct DibCopy {
    platform::BITMAPINFO info{};
    std::vector<std::uint8_t> bits;
};

DibCopy DibOf(TBitmap& bitmap) {
    DibCopy dib;
    platform::BITMAPINFOHEADER& header = dib.info.bmiHeader;
    header.biWidth = bitmap.Width();
    header.biHeight = -bitmap.Height();
    header.biBitCount = 32;
    header.biCompression = platform::BI_RGB;
    dib.bits.resize(static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height()) *
                    kBytesPerPixel);
    platform::GetDIBits(bitmap.Canvas()->Handle(), bitmap.Handle(), 0, static_cast<platform::UINT>(bitmap.Height()),
                        dib.bits.data(), &dib.info, platform::DIB_RGB_COLORS);
    return dib;
}

}  // namespace

void rpStretchDib(platform::HDC dc, const TRect& rect, TBitmap& bitmap) {
    DibCopy dib = DibOf(bitmap);
    platform::SetStretchBltMode(dc, platform::HALFTONE);
    platform::StretchDIBits(dc, rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top, 0, 0,
                            bitmap.Width(), bitmap.Height(), dib.bits.data(), &dib.info, platform::DIB_RGB_COLORS,
                            platform::SRCCOPY);
}

void rpStretchDdb(platform::HDC dc, const TRect& rect, TBitmap& bitmap) {
    platform::SetStretchBltMode(dc, platform::HALFTONE);
    platform::StretchBlt(dc, rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top,
                         bitmap.Canvas()->Handle(), 0, 0, bitmap.Width(), bitmap.Height(), platform::SRCCOPY);
}

void rpDrawTransparentBitmap(TCanvas& canvas, const TRect& rect, TBitmap& bitmap, TColor transparentColor) {
    if (bitmap.Empty()) return;
    TPixels pixels = ReadPixels(bitmap, TRect(0, 0, bitmap.Width(), bitmap.Height()));
    KeyOut(pixels, transparentColor);
    for (std::uint32_t& pixel : pixels) pixel = PremultiplyPixel(pixel);
    BlendPixels(canvas, rect, bitmap.Width(), bitmap.Height(), pixels);
}

void rpDrawMasked(TCanvas& canvas, int x, int y, TBitmap& bitmap) {
    rpDrawTransparentBitmap(canvas, TRect(x, y, x + bitmap.Width(), y + bitmap.Height()), bitmap,
                            bitmap.TransparentColor());
}

void rpDrawPicture(TCanvas& canvas, const TRect& rect, TGraphic& graphic, TColor transparentColor, bool transparent,
                   bool highQuality, bool printing) {
    canvas.Brush()->SetColor(clWhite);
    auto* bitmap = dynamic_cast<TBitmap*>(&graphic);
    if (printing || highQuality || (transparent && !bitmap)) {
        TBitmap copy(graphic.Width(), graphic.Height(), printing ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
        {
            // The copy takes every pixel; leaving out the transparent colour is the copy's drawing's work.
            bool wasTransparent = graphic.Transparent();
            graphic.SetTransparent(false);
            ScopeExit restore([&] { graphic.SetTransparent(wasTransparent); });
            copy.Canvas()->Draw(0, 0, &graphic);
        }
        if (transparent) rpDrawTransparentBitmap(canvas, rect, copy, transparentColor);
        else if (printing) rpStretchDib(canvas.Handle(), rect, copy);
        else rpStretchDdb(canvas.Handle(), rect, copy);
        return;
    }
    graphic.SetTransparent(transparent);
    if (bitmap && transparent) rpDrawTransparentBitmap(canvas, rect, *bitmap, transparentColor);
    else canvas.StretchDraw(rect, &graphic);
}

void rpBitmapToImageList(TBitmap& bitmap, int tileWidth, int tileHeight, TCustomImageList* second,
                         TCustomImageList& list) {
    if (tileWidth <= 0 || tileHeight <= 0) return;
    TBitmap tile(tileWidth, tileHeight, TPixelFormat::pf24bit);
    int index = 0;
    for (int top = 0; top < bitmap.Height(); top += tileHeight)
        for (int left = 0; left < bitmap.Width(); left += tileWidth, ++index) {
            // A tile cut by the bitmap's edge keeps white beyond it.
            int width = std::min(tileWidth, bitmap.Width() - left), height = std::min(tileHeight, bitmap.Height() - top);
            tile.Canvas()->Brush()->SetColor(clWhite);
            tile.Canvas()->FillRect(TRect(0, 0, tileWidth, tileHeight));
            tile.Canvas()->CopyRect(TRect(0, 0, width, height), *bitmap.Canvas(),
                                    TRect(left, top, left + width, top + height));
            TCustomImageList& target = second && index % 2 == 1 ? *second : list;
            target.AddMasked(&tile, clDefault);
        }
}
