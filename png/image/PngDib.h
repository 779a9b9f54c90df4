#pragma once
// The picture in memory: rows of 1, 4, 8 or 24 bits per pixel (24 in blue,
// green, red order), each padded to a multiple of 32 bits and stored bottom-up
// (the last row in memory is the top image row), with a 256-entry colour table.

#include "png/image/PngBuffer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct TRgbQuad {
    std::uint8_t Blue = 0, Green = 0, Red = 0, Reserved = 0;
};

struct TPaletteEntry {
    std::uint8_t Red = 0, Green = 0, Blue = 0, Flags = 0;
};

// A logical palette: the colours a palette picture is shown with.
using TPngPalette = std::vector<TPaletteEntry>;

// A colour with red in bits 0-7, green in 8-15 and blue in 16-23.
using TPngColor = std::uint32_t;

inline TPngColor RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return TPngColor(red) | (TPngColor(green) << 8) | (TPngColor(blue) << 16);
}
inline std::uint8_t RedOf(TPngColor c) { return std::uint8_t(c); }
inline std::uint8_t GreenOf(TPngColor c) { return std::uint8_t(c >> 8); }
inline std::uint8_t BlueOf(TPngColor c) { return std::uint8_t(c >> 16); }

// Bytes of one row of width pixels at bitsPerPixel, padded to 32 bits (64-bit arithmetic).
inline std::size_t DibRowSizeFor(std::int64_t width, int bitsPerPixel) {
    return std::size_t((bitsPerPixel * width + 31) / 32 * 4);
}

class TPngDib {
public:
    // A zeroed image; raises EPNGOutMemory when the memory is refused.
    void Allocate(int width, int height, int bitsPerPixel);
    void Release();

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    std::size_t RowSize() const { return rowSize_; }
    std::uint8_t* Pixels() { return pixels_.Data(); }
    const std::uint8_t* Pixels() const { return pixels_.Data(); }
    std::size_t ByteSize() const { return pixels_.Size(); }

    // Image row y counted from the top.
    std::uint8_t* Row(int y) { return pixels_.Data() + rowSize_ * std::size_t(height_ - 1 - y); }
    const std::uint8_t* Row(int y) const { return pixels_.Data() + rowSize_ * std::size_t(height_ - 1 - y); }

    // The bits of pixel x in a row of 1, 4 or 8 bits per pixel, first pixel in the high bits.
    static unsigned PixelBits(const std::uint8_t* row, int x, int bitsPerPixel);
    static void SetPixelBits(std::uint8_t* row, int x, int bitsPerPixel, unsigned value);

    std::array<TRgbQuad, 256> ColourTable{};
    int UsedColours = 0;

private:
    int width_ = 0, height_ = 0, bitsPerPixel_ = 0;
    std::size_t rowSize_ = 0;
    TPngBuffer pixels_;
};
