#include "png/image/PngDib.h"

void TPngDib::Allocate(int width, int height, int bitsPerPixel) {
    Release();
    std::size_t rowSize = DibRowSizeFor(width, bitsPerPixel);
    pixels_ = TPngBuffer(rowSize * std::size_t(height));
    width_ = width;
    height_ = height;
    bitsPerPixel_ = bitsPerPixel;
    rowSize_ = rowSize;
}

void TPngDib::Release() {
    pixels_.Reset();
    width_ = height_ = bitsPerPixel_ = 0;
    rowSize_ = 0;
}

unsigned TPngDib::PixelBits(const std::uint8_t* row, int x, int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
        case 4: return (x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
        default: return row[x];
    }
}

void TPngDib::SetPixelBits(std::uint8_t* row, int x, int bitsPerPixel, unsigned value) {
    switch (bitsPerPixel) {
        case 1: {
            std::uint8_t mask = std::uint8_t(0x80 >> (x & 7));
            row[x >> 3] = std::uint8_t((value & 1) ? row[x >> 3] | mask : row[x >> 3] & ~mask);
            break;
        }
        case 4:
            if (x & 1) row[x >> 1] = std::uint8_t((row[x >> 1] & 0xF0) | (value & 0x0F));
            else row[x >> 1] = std::uint8_t((row[x >> 1] & 0x0F) | ((value & 0x0F) << 4));
            break;
        default: row[x] = std::uint8_t(value);
    }
}
