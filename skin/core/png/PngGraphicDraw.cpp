// Drawing a 32-bit picture onto a canvas by its per-pixel alpha.
#include "skin/core/png/PngGraphic.h"

#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/pixels/ImageBlend.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"

#include <vector>

namespace {

// An 8-bit bitmap whose index i is the grey i, so blits keep the values.
std::unique_ptr<TBitmap> ByteBitmap(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>(width, height, TPixelFormat::pf8bit);
    std::vector<platform::RGBQUAD> ramp(256);
    for (int i = 0; i < 256; ++i) {
        auto v = static_cast<platform::BYTE>(i);
        ramp[std::size_t(i)] = {v, v, v, 0};
    }
    platform::SetDIBColorTable(bitmap->Canvas()->Handle(), 0, 256, ramp.data());
    return bitmap;
}

void StretchInto(TBitmap& target, TBitmap& source) {
    platform::HDC dc = target.Canvas()->Handle();
    platform::SetStretchBltMode(dc, platform::COLORONCOLOR);
    platform::StretchBlt(dc, 0, 0, target.Width(), target.Height(), source.Canvas()->Handle(), 0, 0, source.Width(),
                         source.Height(), platform::SRCCOPY);
}

}  // namespace

void TPNGGraphic::Draw(TCanvas& canvas, const TRect& rect) {
    if (PixelFormat() != TPixelFormat::pf32bit) {
        TBitmap::Draw(canvas, rect);
        return;
    }
    int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0) return;
    bool ownSize = w == Width() && h == Height();
    int workHeight = Reflected && ownSize ? h + h / 2 : h;
    auto work = NewBitmap32(w, workHeight);
    platform::BitBlt(work->Canvas()->Handle(), 0, 0, w, workHeight, canvas.Handle(), rect.Left, rect.Top,
                     platform::SRCCOPY);
    TRect whole(0, 0, w, h);
    if (ownSize) {
        BlendImage32(whole, whole, *work, Reflected, 0, kNoTint, false, DefaultParentCache, *this);
    } else {
        // Colours and alpha are stretched alike, then blended without a mirror image.
        auto colours = std::make_unique<TBitmap>(w, h, TPixelFormat::pfDevice);
        StretchInto(*colours, *this);
        colours->SetPixelFormat(TPixelFormat::pf32bit);
        auto alpha = ByteBitmap(Width(), Height());
        CopyByteChannel(*this, *alpha, 3, true);
        auto stretchedAlpha = ByteBitmap(w, h);
        StretchInto(*stretchedAlpha, *alpha);
        CopyByteChannel(*colours, *stretchedAlpha, 3, false);
        BlendImage32(whole, whole, *work, false, 0, kNoTint, false, DefaultParentCache, *colours);
    }
    platform::BitBlt(canvas.Handle(), rect.Left, rect.Top, w, workHeight, work->Canvas()->Handle(), 0, 0,
                     platform::SRCCOPY);
}
