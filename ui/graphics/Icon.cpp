#include "ui/graphics/Icon.h"

#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Stream.h"

#include "platform/gdi/AlphaBlending.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

[[noreturn]] void NotValid() { throw EInvalidGraphic("Icon image is not valid"); }

std::uint32_t Get(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    if (at + static_cast<std::size_t>(bytes) > b.size()) NotValid();
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(b[at + static_cast<std::size_t>(i)]) << (8 * i);
    return v;
}

void Put(std::vector<unsigned char>& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

int Stride(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

}  // namespace

const TClassInfo& TIcon::StaticClass() {
    static const TClassInfo info = TPublished<TIcon>("TIcon", TGraphic::StaticClass()).Build();
    return info;
}

TIcon::TIcon() { image_.SetPixelFormat(TPixelFormat::pf32bit); }

void TIcon::SetWidth(int) { throw EInvalidGraphicOperation("Cannot change the size of an icon"); }
void TIcon::SetHeight(int) { throw EInvalidGraphicOperation("Cannot change the size of an icon"); }

void TIcon::LoadFromStream(TStream& stream) {
    std::int64_t size = stream.Size() - stream.Position();
    if (size < 6 || size > (64 << 20)) NotValid();
    std::vector<unsigned char> b(static_cast<std::size_t>(size));
    stream.ReadBuffer(b.data(), size);
    if (Get(b, 0, 2) != 0 || (Get(b, 2, 2) != 1 && Get(b, 2, 2) != 2)) NotValid();
    std::uint32_t count = Get(b, 4, 2);
    if (count == 0) NotValid();
    // The largest picture, the deepest among equals.
    std::size_t best = 0;
    std::uint64_t bestScore = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::size_t e = 6 + 16 * static_cast<std::size_t>(i);
        std::uint64_t w = Get(b, e, 1) ? Get(b, e, 1) : 256, h = Get(b, e + 1, 1) ? Get(b, e + 1, 1) : 256;
        std::uint64_t score = (w * h << 8) | Get(b, e + 6, 2);
        if (score > bestScore) bestScore = score, best = e;
    }
    std::size_t at = Get(b, best + 12, 4);
    if (at + 8 <= b.size() && std::memcmp(&b[at], "\x89PNG", 4) == 0) NotValid();
    if (Get(b, at, 4) < 40) NotValid();
    int width = static_cast<std::int32_t>(Get(b, at + 4, 4));
    int height = static_cast<std::int32_t>(Get(b, at + 8, 4)) / 2;  // the AND mask doubles it
    int bits = static_cast<int>(Get(b, at + 14, 2));
    if (Get(b, at + 16, 4) != 0 || width <= 0 || height <= 0 || width > 1024 || height > 1024) NotValid();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) NotValid();
    std::size_t colors = at + Get(b, at, 4);
    std::size_t colorCount = bits <= 8 ? (Get(b, at + 32, 4) ? Get(b, at + 32, 4) : 1u << bits) : 0;
    if (colorCount > 256) NotValid();
    std::size_t xorRows = colors + 4 * colorCount;
    std::size_t andRows = xorRows + static_cast<std::size_t>(Stride(width, bits)) * static_cast<std::size_t>(height);
    if (andRows + static_cast<std::size_t>(Stride(width, 1)) * static_cast<std::size_t>(height) > b.size()) NotValid();

    auto colorAt = [&](int x, int y) -> std::uint32_t {  // 0x00RRGGBB; y counts from the bottom
        std::size_t row = xorRows + static_cast<std::size_t>(y) * static_cast<std::size_t>(Stride(width, bits));
        if (bits == 32) return Get(b, row + 4 * static_cast<std::size_t>(x), 4);
        if (bits == 24) return Get(b, row + 3 * static_cast<std::size_t>(x), 3);
        int perByte = 8 / bits;
        std::uint32_t byte = b[row + static_cast<std::size_t>(x / perByte)];
        std::uint32_t index = (byte >> (8 - bits * (x % perByte + 1))) & ((1u << bits) - 1);
        if (index >= colorCount) NotValid();
        return Get(b, colors + 4 * index, 4) & 0xFFFFFF;
    };
    bool hasAlpha = false;
    if (bits == 32)
        for (int y = 0; y < height && !hasAlpha; ++y)
            for (int x = 0; x < width && !hasAlpha; ++x) hasAlpha = (colorAt(x, y) >> 24) != 0;

    TBitmap image(width, height, TPixelFormat::pf32bit);
    for (int y = 0; y < height; ++y) {
        auto* out = static_cast<std::uint32_t*>(image.ScanLine(height - 1 - y));
        std::size_t maskRow = andRows + static_cast<std::size_t>(y) * static_cast<std::size_t>(Stride(width, 1));
        for (int x = 0; x < width; ++x) {
            std::uint32_t c = colorAt(x, y);
            std::uint32_t alpha = hasAlpha ? c >> 24 : ((b[maskRow + static_cast<std::size_t>(x / 8)] >> (7 - x % 8)) & 1) ? 0 : 255;
            auto premultiply = [&](int shift) { return ((((c >> shift) & 0xFF) * alpha + 127) / 255) << shift; };
            out[x] = (alpha << 24) | premultiply(16) | premultiply(8) | premultiply(0);
        }
    }
    image_.Assign(&image);
    Changed();
}

void TIcon::SaveToStream(TStream& stream) {
    int w = Width(), h = Height();
    std::vector<unsigned char> b;
    int maskStride = Stride(w, 1);
    std::uint32_t bytes = static_cast<std::uint32_t>(40 + 4 * w * h + maskStride * h);
    Put(b, 0, 2), Put(b, 1, 2), Put(b, 1, 2);
    Put(b, static_cast<std::uint32_t>(w >= 256 ? 0 : w), 1), Put(b, static_cast<std::uint32_t>(h >= 256 ? 0 : h), 1);
    Put(b, 0, 1), Put(b, 0, 1), Put(b, 1, 2), Put(b, 32, 2), Put(b, bytes, 4), Put(b, 22, 4);
    Put(b, 40, 4), Put(b, static_cast<std::uint32_t>(w), 4), Put(b, static_cast<std::uint32_t>(2 * h), 4);
    Put(b, 1, 2), Put(b, 32, 2);
    for (int i = 0; i < 6; ++i) Put(b, 0, 4);
    std::vector<unsigned char> mask(static_cast<std::size_t>(maskStride) * static_cast<std::size_t>(h), 0);
    for (int y = h - 1; y >= 0; --y) {
        auto* row = static_cast<std::uint32_t*>(image_.ScanLine(y));
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = row[x], alpha = p >> 24;
            auto straight = [&](int shift) { return alpha ? (((p >> shift) & 0xFF) * 255 + alpha / 2) / alpha : 0; };
            Put(b, (alpha << 24) | (std::min(straight(16), 255u) << 16) | (std::min(straight(8), 255u) << 8) | std::min(straight(0), 255u), 4);
            if (alpha == 0) mask[static_cast<std::size_t>(h - 1 - y) * static_cast<std::size_t>(maskStride) + static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        }
    }
    b.insert(b.end(), mask.begin(), mask.end());
    stream.WriteBuffer(b.data(), static_cast<std::int64_t>(b.size()));
}

void TIcon::Assign(const TPersistent* source) {
    auto* icon = dynamic_cast<const TIcon*>(source);
    if (!icon) {
        TGraphic::Assign(source);
        return;
    }
    image_.Assign(&icon->image_);
    Changed();
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
    platform::BLENDFUNCTION blend;
    blend.AlphaFormat = platform::AC_SRC_ALPHA;
    platform::AlphaBlend(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), image_.Canvas()->Handle(),
                         0, 0, Width(), Height(), blend);
}
