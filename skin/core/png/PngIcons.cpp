#include "skin/core/png/PngIcons.h"

#include "skin/core/pixels/AlphaPixels.h"

#include "ui/core/MemoryStream.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Icon.h"

#include <cstring>
#include <vector>

namespace {

constexpr std::uint32_t kTransparentWhite = 0x00FFFFFFu;
constexpr std::uint32_t kAlphaBits = 0xFF000000u;
constexpr std::uint32_t kColorBits = 0x00FFFFFFu;
constexpr int kIconDirSize = 6, kIconEntrySize = 16, kInfoHeaderSize = 40, kIconBits = 32;
constexpr int kMaxEntrySide = 256;

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A copy of the bitmap in 32 bits.
std::unique_ptr<TBitmap> Copy32(const TBitmap& bitmap) {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(&bitmap);
    if (copy->PixelFormat() != TPixelFormat::pf32bit) copy->SetPixelFormat(TPixelFormat::pf32bit);
    return copy;
}

// The icon of 32-bit colours and a mask (true: transparent). Where the
// colours carry alpha, masked pixels get alpha 0 too, as the icon then
// goes by the alpha.
std::unique_ptr<TIcon> MakeIcon(TBitmap& colors, const std::vector<bool>& transparent) {
    int w = colors.Width(), h = colors.Height();
    int maskStride = ((w + 31) / 32) * 4;
    bool hasAlpha = false;
    for (int y = 0; y < h && !hasAlpha; ++y)
        for (int x = 0; x < w && !hasAlpha; ++x) hasAlpha = (PixelRow(colors, y)[x] & kAlphaBits) != 0;
    std::uint32_t imageBytes = std::uint32_t(kInfoHeaderSize + 4 * w * h + maskStride * h);
    std::vector<std::uint8_t> ico;
    Put(ico, 0, 2), Put(ico, 1, 2), Put(ico, 1, 2);
    Put(ico, w >= kMaxEntrySide ? 0 : std::uint32_t(w), 1), Put(ico, h >= kMaxEntrySide ? 0 : std::uint32_t(h), 1);
    Put(ico, 0, 1), Put(ico, 0, 1), Put(ico, 1, 2), Put(ico, kIconBits, 2);
    Put(ico, imageBytes, 4), Put(ico, kIconDirSize + kIconEntrySize, 4);
    Put(ico, kInfoHeaderSize, 4), Put(ico, std::uint32_t(w), 4), Put(ico, std::uint32_t(2 * h), 4);
    Put(ico, 1, 2), Put(ico, kIconBits, 2), Put(ico, 0, 4), Put(ico, 0, 4);
    Put(ico, 0, 4), Put(ico, 0, 4), Put(ico, 0, 4), Put(ico, 0, 4);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = PixelRow(colors, y)[x];
            if (hasAlpha && transparent[std::size_t(y * w + x)]) p &= kColorBits;
            Put(ico, p, 4);
        }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(std::size_t(maskStride), 0);
        for (int x = 0; x < w; ++x)
            if (transparent[std::size_t(y * w + x)]) row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        ico.insert(ico.end(), row.begin(), row.end());
    }
    TMemoryStream stream;
    stream.WriteBuffer(ico.data(), std::int64_t(ico.size()));
    stream.SetPosition(0);
    auto icon = std::make_unique<TIcon>();
    icon->LoadFromStream(stream);
    return icon;
}

}  // namespace

std::unique_ptr<TIcon> BitmapToIcon(const TBitmap& bitmap) {
    if (bitmap.Empty()) return nullptr;
    auto copy = Copy32(bitmap);
    TBitmap& colors = *copy;
    std::uint32_t key = PixelRow(colors, 0)[0];
    std::vector<bool> transparent;
    for (int y = 0; y < colors.Height(); ++y)
        for (int x = 0; x < colors.Width(); ++x) transparent.push_back(PixelRow(colors, y)[x] == key);
    return MakeIcon(colors, transparent);
}

std::unique_ptr<TIcon> GraphicToIcon(const TBitmap& graphic) {
    if (graphic.Empty()) return nullptr;
    bool wide = graphic.PixelFormat() == TPixelFormat::pf32bit;
    auto copy = Copy32(graphic);
    TBitmap& colors = *copy;
    std::vector<bool> transparent;
    for (int y = 0; y < colors.Height(); ++y) {
        std::uint32_t* row = PixelRow(colors, y);
        for (int x = 0; x < colors.Width(); ++x) {
            // A bitmap without alpha has none to go by: its key colour is the transparent part.
            if (!wide) row[x] = IsColorKeyPixel(row[x]) ? (row[x] & kColorBits) : (row[x] | kAlphaBits);
            transparent.push_back((row[x] & kAlphaBits) == 0);
        }
    }
    return MakeIcon(colors, transparent);
}

void ZeroTransparentWhite(TBitmap& bitmap) {
    if (!IsBitmap32(&bitmap)) return;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint32_t* row = PixelRow(bitmap, y);
        for (int x = 0; x < bitmap.Width(); ++x)
            if (row[x] == kTransparentWhite) row[x] = 0;
    }
}
