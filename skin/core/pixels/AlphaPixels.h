#pragma once
// Pixels of 32-bit bitmaps: bytes blue, green, red, alpha in memory, so one
// pixel read as a number is 0xAARRGGBB, while a colour value keeps red in its
// low byte (0x00BBGGRR). Rows are reached from the top.

#include "ui/core/Types.h"

#include <cstdint>

class TBitmap;

// Whether the bitmap holds four bytes a pixel (pf32bit, or the device
// format, which is 32 bits too).
bool IsBitmap32(const TBitmap* bitmap);
// Row `y` of a 32-bit bitmap as pixels.
std::uint32_t* PixelRow(TBitmap& bitmap, int y);

constexpr std::uint32_t ReverseBytes32(std::uint32_t v) {
    return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}
// Bytes 0 and 2 exchanged: a colour value into pixel order and back.
constexpr std::uint32_t ExchangeRedBlue(std::uint32_t v) {
    return (v & 0xFF00FF00u) | ((v & 0xFFu) << 16) | ((v >> 16) & 0xFFu);
}
// The same as ExchangeRedBlue, as a byte reversal followed by a rotation right by 8.
constexpr std::uint32_t ColorToPixel32(std::uint32_t v) {
    std::uint32_t r = ReverseBytes32(v);
    return (r >> 8) | (r << 24);
}

// The exact key test: the whole pixel is 0x00FF00FF (alpha 0).
constexpr bool IsExactKeyPixel(std::uint32_t pixel) { return pixel == 0x00FF00FFu; }
// The colour key test: the low 24 bits are 0xFF00FF, alpha ignored.
constexpr bool IsColorKeyPixel(std::uint32_t pixel) { return (pixel & 0xFFFFFFu) == 0xFF00FFu; }

constexpr std::uint32_t ChannelOf(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; }
constexpr std::uint32_t MakePixel(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}
constexpr int kBlueShift = 0, kGreenShift = 8, kRedShift = 16, kAlphaShift = 24;
constexpr int kColorShifts[3] = {kBlueShift, kGreenShift, kRedShift};

// Outside the bitmap (or a bitmap of another format) reads 0 and writes
// nothing, so a caller's wrong coordinates never touch other memory.
std::uint32_t ReadPixel32(TBitmap& bitmap, int x, int y);
void WritePixel32(TBitmap& bitmap, int x, int y, std::uint32_t value);

// Stores `value` into `count` cells; a count of 0 or less stores nothing.
void FillDWords(std::uint32_t* cells, int count, std::uint32_t value);

// The part of `rect` inside the bitmap (empty when none).
TRect ClipToBitmap(const TRect& rect, const TBitmap& bitmap);
