#include "skin/core/colors/ColorOps.h"

#include "ui/core/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFullCircle = 360;
constexpr double kSector = 60;
constexpr double kMaxChannel = 255;

std::uint32_t Byte(std::uint32_t v, int shift) { return (v >> shift) & 0xFFu; }
std::uint32_t ClampRound(double v) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(Round(v), 0, 255));
}

struct TRgbReal {
    double First, Second, Third;  // red, green, blue
};

// The sector formulas with v already scaled to 0..255.
TRgbReal FromSector(int sector, double f, double v, double saturation) {
    double p = std::clamp(v * (1 - saturation), 0.0, kMaxChannel);
    double q = std::clamp(v * (1 - saturation * f), 0.0, kMaxChannel);
    double t = std::clamp(v * (1 - saturation * (1 - f)), 0.0, kMaxChannel);
    switch (sector) {
        case 0: return {v, t, p};
        case 1: return {q, v, p};
        case 2: return {p, v, t};
        case 3: return {p, q, v};
        case 4: return {t, p, v};
        default: return {v, p, q};
    }
}

// The hue in degrees before rounding; 0 for a grey.
double RawHue(double red, double green, double blue) {
    double max = std::max({red, green, blue}), min = std::min({red, green, blue});
    double d = max - min;
    if (max == 0 || d == 0) return 0;
    double a = (max - blue) * kSector / d, b = (max - green) * kSector / d, c = (max - red) * kSector / d;
    double hue = red == max ? a - b : (green == max ? c + 120 - a : b + 240 - c);
    return hue < 0 ? hue + kFullCircle : hue;
}

}  // namespace

std::uint32_t ReverseRgb(std::uint32_t v) { return (v >> 16) + ((v & 0xFFu) << 16) + (v & 0xFF00u); }

std::uint32_t MixTwoColors(std::uint32_t a, std::uint32_t b, double ratio) {
    std::uint32_t out = a & 0xFF000000u;
    for (int shift : {0, 8, 16}) out |= ClampRound(ratio * Byte(a, shift) + (1 - ratio) * Byte(b, shift)) << shift;
    return out;
}

std::uint32_t AverageColors(std::uint32_t a, std::uint32_t b) {
    std::uint32_t out = 0;
    for (int shift : {0, 8, 16}) out |= ((Byte(a, shift) * 127 + Byte(b, shift) * 129) >> 8) << shift;
    return out;
}

std::uint32_t HsvToColor(double hue, double saturation, double value) {
    if (saturation == 0) {
        std::uint32_t g = ClampRound(value * kMaxChannel);
        return g | (g << 8) | (g << 16);
    }
    double h = hue == kFullCircle ? 0 : hue / kSector;
    int sector = static_cast<int>(Round(std::trunc(h)));
    TRgbReal c = FromSector(sector, h - sector, value * kMaxChannel, saturation);
    return ClampRound(c.First) | (ClampRound(c.Second) << 8) | (ClampRound(c.Third) << 16);
}

void ColorToHsv(std::uint32_t color, TSkHsv& hsv) {
    double red = Byte(color, 0), green = Byte(color, 8), blue = Byte(color, 16);
    double max = std::max({red, green, blue}), min = std::min({red, green, blue});
    hsv.Saturation = max == 0 ? 0 : (max - min) / max;
    hsv.Value = max / kMaxChannel;
    hsv.Hue = hsv.Saturation == 0 ? 0 : static_cast<int>(Round(RawHue(red, green, blue)));
}

std::uint32_t ShiftPixelHue(int offset, std::uint32_t pixel) {
    double red = Byte(pixel, 16), green = Byte(pixel, 8), blue = Byte(pixel, 0);
    double max = std::max({red, green, blue}), min = std::min({red, green, blue});
    double saturation = max == 0 ? 0 : (max - min) / max;
    if (saturation == 0) return (pixel & 0xFF00FFFFu) | (static_cast<std::uint32_t>(max) << 16);
    std::int64_t hue = Round(RawHue(red, green, blue) + offset) % kFullCircle;
    if (hue < 0) hue += kFullCircle;
    int sector = static_cast<int>(hue / static_cast<int>(kSector));
    double h = double(hue) / kSector;
    TRgbReal c = FromSector(sector, h - sector, max, saturation);
    return (pixel & 0xFF000000u) | (ClampRound(c.First) << 16) | (ClampRound(c.Second) << 8) | ClampRound(c.Third);
}

std::uint32_t ShiftColorHue(int offset, std::uint32_t color) {
    if (offset == 0) return color;
    std::uint32_t turned = ShiftPixelHue(offset, (color & 0xFF00FF00u) | ((color & 0xFF) << 16) | ((color >> 16) & 0xFF));
    return (color & 0xFF000000u) | ((turned & 0xFF) << 16) | (turned & 0xFF00u) | ((turned >> 16) & 0xFF);
}

std::uint32_t SaturateColorValue(int amount, std::uint32_t color) {
    double avg = (double(Byte(color, 0)) + Byte(color, 8) + Byte(color, 16)) / 3;
    std::uint32_t out = color & 0xFF000000u;
    for (int shift : {0, 8, 16}) {
        double c = Byte(color, shift);
        out |= ClampRound(c - (avg - c) * amount / 100) << shift;
    }
    return out;
}

std::uint32_t ChangeColorSaturation(std::uint32_t color, int amount) {
    return amount == 0 ? color : SaturateColorValue(amount, color);
}
