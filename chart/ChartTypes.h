#pragma once
// Colours, points and rectangles as the chart engine passes them around.
// (The drawing layers will bring their own; these give way to them then.)

#include <cstdint>

using TColor = std::int32_t;  // 0x00BBGGRR; values at and above 0x1FFFFFFF are markers

constexpr TColor clNone = 0x1FFFFFFF;     // nothing is painted
constexpr TColor clDefault = 0x20000000;  // the owner's own colour applies
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};
