#include "skin/core/text/TextOnAlpha.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/text/SectionTextColors.h"
#include "skin/core/text/TextRoutines.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"

#include "platform/gdi/DeviceContexts.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF, kOpaqueWhite = 0xFFFFFFFF;
constexpr std::uint32_t kOpaque = 0xFF000000u;

// Channel of a colour value (red low) at the pixel's shift.
std::uint32_t ColorChannel(std::uint32_t color, int pixelShift) { return ChannelOf(ExchangeRedBlue(color), pixelShift); }

std::uint32_t MixThroughText(std::uint32_t d, std::uint32_t m, std::uint32_t color) {
    std::uint32_t out = kOpaque;
    for (int shift : kColorShifts) {
        const int c = static_cast<int>(ColorChannel(color, shift));
        const int dc = static_cast<int>(ChannelOf(d, shift)), mc = static_cast<int>(ChannelOf(m, shift));
        out |= static_cast<std::uint32_t>((((dc - c) * mc + c * 256) >> 8) & 0xFF) << shift;
    }
    return out;
}

}  // namespace

void DrawTextOnAlpha(TBitmap& bitmap, const std::string& text, std::uint32_t color, unsigned format,
                     const TRect& rect) {
    const int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0 || !IsBitmap32(&bitmap)) return;
    auto scratch = NewBitmap32(w, h);
    FillRectWithAlpha(*scratch, TRect(0, 0, w, h), kWhite, 0);
    TCanvas& canvas = *scratch->Canvas();
    canvas.SetFont(bitmap.Canvas()->Font());
    canvas.Font()->SetColor(TColor(0));
    platform::HDC dc = CanvasTextDC(canvas);
    platform::SetTextColor(dc, 0);
    platform::SetBkColor(dc, kWhite);
    platform::SetBkMode(dc, platform::TRANSPARENT);
    DrawTextStr(dc, text, TRect(0, 0, w, h), format);
    const int firstRow = std::max(0, -rect.Top), lastRow = std::min(h - 1, bitmap.Height() - rect.Top - 1);
    const int firstCol = std::max(0, -rect.Left), lastCol = std::min(w - 1, bitmap.Width() - rect.Left - 1);
    for (int y = firstRow; y <= lastRow; ++y) {
        const std::uint32_t* mask = PixelRow(*scratch, y);
        std::uint32_t* out = PixelRow(bitmap, rect.Top + y) + rect.Left;
        for (int x = firstCol; x <= lastCol; ++x)
            if (mask[x] != kWhite && mask[x] != kOpaqueWhite) out[x] = MixThroughText(out[x], mask[x], color);
    }
}

void DrawSectionTextAlpha(TBitmap& bitmap, const std::string& text, bool contours, TSkinManager* manager, bool hot,
                          int sectionIndex, unsigned format, const TRect& rect) {
    TSkinManager* m = manager ? manager : DefaultSkinManager;
    if (m) DrawSectionTextAlpha(bitmap, text, contours, m->Skin(), hot, sectionIndex, format, rect);
    else if (!text.empty() && !rect.IsEmpty())
        DrawTextOnAlpha(bitmap, text, ColorToRGB(bitmap.Canvas()->Font()->Color()), format, rect);
}

void DrawSectionTextAlpha(TBitmap& bitmap, const std::string& text, bool contours, const TSkinContent& skin, bool hot,
                          int sectionIndex, unsigned format, const TRect& rect) {
    if (text.empty() || rect.IsEmpty()) return;
    if (!skin.SectionIndexValid(sectionIndex)) {
        DrawTextOnAlpha(bitmap, text, ColorToRGB(bitmap.Canvas()->Font()->Color()), format, rect);
        return;
    }
    const TSkTextColors colors = SectionTextColors(skin.GeneralData[static_cast<std::size_t>(sectionIndex)], hot);
    if (contours)
        for (const TSkContour& contour : colors.Contours())
            DrawTextOnAlpha(bitmap, text, contour.Color, format, MovedRect(rect, contour.Offset));
    DrawTextOnAlpha(bitmap, text, colors.Main, format, rect);
}
