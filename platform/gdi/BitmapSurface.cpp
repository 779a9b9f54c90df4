#include "platform/gdi/BitmapSurface.h"

#include <climits>
#include <cstring>
#include <new>

namespace platform {
namespace {

// Beyond this a bitmap is refused rather than risking the process.
constexpr std::size_t kMaxBytes = std::size_t{1} << 30;

bool ValidBitCount(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
}

RGBQUAD Quad(BYTE r, BYTE g, BYTE b) { return {b, g, r, 0}; }

}  // namespace

LONG BitmapSurface::StrideFor(LONG width, int bitCount) {
    long long bits = static_cast<long long>(width) * bitCount;
    long long bytes = ((bits + 31) / 32) * 4;
    return bytes > INT_MAX ? -1 : static_cast<LONG>(bytes);
}

std::shared_ptr<BitmapSurface> BitmapSurface::Create(LONG width, LONG height, int bitCount, bool topDown,
                                                     std::vector<RGBQUAD> colors) {
    if (width <= 0 || height <= 0 || !ValidBitCount(bitCount)) return nullptr;
    LONG stride = StrideFor(width, bitCount);
    if (stride < 0) return nullptr;
    std::size_t bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
    if (bytes > kMaxBytes) return nullptr;
    std::shared_ptr<BitmapSurface> surface(new BitmapSurface);
    surface->owned_.reset(new (std::nothrow) BYTE[bytes]);
    if (!surface->owned_) return nullptr;
    std::memset(surface->owned_.get(), 0, bytes);
    surface->bits_ = surface->owned_.get();
    surface->width_ = width;
    surface->height_ = height;
    surface->bitCount_ = bitCount;
    surface->stride_ = stride;
    surface->topDown_ = topDown;
    if (bitCount <= 8) {
        std::size_t entries = std::size_t{1} << bitCount;
        if (colors.empty()) colors = DefaultColorTable(bitCount);
        colors.resize(entries);
        surface->colors_ = std::move(colors);
    }
    return surface;
}

std::shared_ptr<BitmapSurface> BitmapSurface::Wrap(void* bits, LONG width, LONG height, LONG strideBytes) {
    if (!bits || width <= 0 || height <= 0 || strideBytes < StrideFor(width, 32) || strideBytes % 4 != 0) return nullptr;
    std::shared_ptr<BitmapSurface> surface(new BitmapSurface);
    surface->bits_ = static_cast<BYTE*>(bits);
    surface->width_ = width;
    surface->height_ = height;
    surface->bitCount_ = 32;
    surface->stride_ = strideBytes;
    surface->topDown_ = true;
    return surface;
}

void BitmapSurface::SetColors(const std::vector<RGBQUAD>& colors) {
    for (std::size_t i = 0; i < colors.size() && i < colors_.size(); ++i) colors_[i] = colors[i];
}

Pixel BitmapSurface::Get(LONG x, LONG y) const {
    const BYTE* row = Row(y);
    auto fromQuad = [](const RGBQUAD& q) {
        return (static_cast<Pixel>(q.rgbRed) << 16) | (static_cast<Pixel>(q.rgbGreen) << 8) | q.rgbBlue;
    };
    switch (bitCount_) {
        case 32: return reinterpret_cast<const Pixel*>(row)[x];
        case 24: {
            const BYTE* p = row + x * 3;
            return (static_cast<Pixel>(p[2]) << 16) | (static_cast<Pixel>(p[1]) << 8) | p[0];
        }
        case 16: {
            unsigned v = row[x * 2] | (row[x * 2 + 1] << 8);
            auto expand = [](unsigned five) { return static_cast<Pixel>((five << 3) | (five >> 2)); };
            if (fiveSixFive_) {
                unsigned six = (v >> 5) & 63;
                return (expand((v >> 11) & 31) << 16) | (static_cast<Pixel>((six << 2) | (six >> 4)) << 8) |
                       expand(v & 31);
            }
            return (expand((v >> 10) & 31) << 16) | (expand((v >> 5) & 31) << 8) | expand(v & 31);
        }
        default: return fromQuad(colors_[static_cast<std::size_t>(IndexAt(x, y))]);
    }
}

void BitmapSurface::Set(LONG x, LONG y, Pixel value) {
    BYTE* row = Row(y);
    switch (bitCount_) {
        case 32: reinterpret_cast<Pixel*>(row)[x] = value; return;
        case 24: {
            BYTE* p = row + x * 3;
            p[0] = static_cast<BYTE>(value);
            p[1] = static_cast<BYTE>(value >> 8);
            p[2] = static_cast<BYTE>(value >> 16);
            return;
        }
        case 16: {
            unsigned v = fiveSixFive_ ? (((value >> 19) & 31) << 11) | (((value >> 10) & 63) << 5) | ((value >> 3) & 31)
                                      : (((value >> 19) & 31) << 10) | (((value >> 11) & 31) << 5) | ((value >> 3) & 31);
            row[x * 2] = static_cast<BYTE>(v);
            row[x * 2 + 1] = static_cast<BYTE>(v >> 8);
            return;
        }
        case 8: row[x] = static_cast<BYTE>(NearestIndex(value)); return;
        case 4: {
            BYTE index = static_cast<BYTE>(NearestIndex(value));
            BYTE& cell = row[x / 2];
            cell = (x % 2) ? static_cast<BYTE>((cell & 0xF0) | index) : static_cast<BYTE>((cell & 0x0F) | (index << 4));
            return;
        }
        default: {
            BYTE mask = static_cast<BYTE>(0x80 >> (x % 8));
            if (NearestIndex(value)) row[x / 8] |= mask;
            else row[x / 8] &= static_cast<BYTE>(~mask);
        }
    }
}

int BitmapSurface::IndexAt(LONG x, LONG y) const {
    const BYTE* row = Row(y);
    switch (bitCount_) {
        case 8: return row[x];
        case 4: return (row[x / 2] >> ((x % 2) ? 0 : 4)) & 0x0F;
        case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
        default: return 0;
    }
}

int BitmapSurface::NearestIndex(Pixel value) const {
    int r = (value >> 16) & 0xFF, g = (value >> 8) & 0xFF, b = value & 0xFF;
    int best = 0;
    long bestDistance = LONG_MAX;
    for (std::size_t i = 0; i < colors_.size(); ++i) {
        long dr = r - colors_[i].rgbRed, dg = g - colors_[i].rgbGreen, db = b - colors_[i].rgbBlue;
        long distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
            if (distance == 0) break;
        }
    }
    return best;
}

std::vector<RGBQUAD> DefaultColorTable(int bitCount) {
    if (bitCount == 1) return {Quad(0, 0, 0), Quad(255, 255, 255)};
    std::vector<RGBQUAD> classic = {
        Quad(0, 0, 0),       Quad(128, 0, 0),   Quad(0, 128, 0),   Quad(128, 128, 0),
        Quad(0, 0, 128),     Quad(128, 0, 128), Quad(0, 128, 128), Quad(192, 192, 192),
        Quad(128, 128, 128), Quad(255, 0, 0),   Quad(0, 255, 0),   Quad(255, 255, 0),
        Quad(0, 0, 255),     Quad(255, 0, 255), Quad(0, 255, 255), Quad(255, 255, 255)};
    if (bitCount == 4) return classic;
    if (bitCount != 8) return {};
    std::vector<RGBQUAD> table(classic.begin(), classic.begin() + 8);
    table.push_back(Quad(192, 220, 192));
    table.push_back(Quad(166, 202, 240));
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                table.push_back(Quad(static_cast<BYTE>(r * 51), static_cast<BYTE>(g * 51), static_cast<BYTE>(b * 51)));
    table.resize(246);
    table.push_back(Quad(255, 251, 240));
    table.push_back(Quad(160, 160, 164));
    table.insert(table.end(), classic.begin() + 8, classic.end());
    return table;
}

}  // namespace platform
