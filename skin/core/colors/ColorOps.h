#pragma once
// Colour formulas of the skin engine: mixing, HSV, hue turns and saturation
// changes, for one colour value (0x00BBGGRR) or one pixel (0xAARRGGBB).

#include <cstdint>

struct TSkHsv {
    int Hue = 0;            // degrees 0..359
    double Saturation = 0;  // 0..1
    double Value = 0;       // 0..1
};

// Red and blue exchanged, green kept, for values below 2^24.
std::uint32_t ReverseRgb(std::uint32_t color);
// Per channel Round(ratio * a + (1 - ratio) * b); a's top byte stays.
std::uint32_t MixTwoColors(std::uint32_t a, std::uint32_t b, double ratio);
// Per channel (a * 127 + b * 129) shr 8, top byte 0.
std::uint32_t AverageColors(std::uint32_t a, std::uint32_t b);
std::uint32_t HsvToColor(double hue, double saturation, double value);
void ColorToHsv(std::uint32_t color, TSkHsv& hsv);
// The pixel with its hue turned by `offset` degrees; grey pixels stay.
std::uint32_t ShiftPixelHue(int offset, std::uint32_t pixel);
// 0 returns the colour unchanged; the top byte stays.
std::uint32_t ShiftColorHue(int offset, std::uint32_t color);
// Each channel moves away from (positive) or toward (negative) the mean of
// the three by amount percent; the top byte stays.
std::uint32_t SaturateColorValue(int amount, std::uint32_t color);
std::uint32_t ChangeColorSaturation(std::uint32_t color, int amount);
