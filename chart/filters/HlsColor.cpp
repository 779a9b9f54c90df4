#include "chart/filters/HlsColor.h"

#include "ui/core/Rounding.h"

#include <algorithm>

namespace {

constexpr double kHlsMax = 240;
constexpr double kRgbMax = 255;
constexpr int kUndefinedHue = 160;

int Rounded(double value) { return static_cast<int>(Round(value)); }

std::uint8_t ChannelOf(double value) {
    return static_cast<std::uint8_t>(std::clamp(Rounded(value), 0, static_cast<int>(kRgbMax)));
}

// One channel from the hue `h` (a third of the circle apart per channel).
double HueToChannel(double m1, double m2, double h) {
    if (h < 0) h += kHlsMax;
    if (h > kHlsMax) h -= kHlsMax;
    if (h < kHlsMax / 6) return m1 + ((m2 - m1) * h + kHlsMax / 12) / (kHlsMax / 6);
    if (h < kHlsMax / 2) return m2;
    if (h < kHlsMax * 2 / 3) return m1 + ((m2 - m1) * (kHlsMax * 2 / 3 - h) + kHlsMax / 12) / (kHlsMax / 6);
    return m1;
}

}  // namespace

THlsColor RgbToHls(const TRGBTriple& pixel) {
    const double r = pixel.Red, g = pixel.Green, b = pixel.Blue;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    THlsColor out{};
    out.Luminance = Rounded(((mx + mn) * kHlsMax + kRgbMax) / (2 * kRgbMax));
    if (mx == mn) {
        out.Saturation = 0;
        out.Hue = kUndefinedHue;
        return out;
    }
    const double spread = mx - mn;
    if (out.Luminance <= kHlsMax / 2)
        out.Saturation = Rounded((spread * kHlsMax + (mx + mn) / 2) / (mx + mn));
    else
        out.Saturation = Rounded((spread * kHlsMax + (2 * kRgbMax - mx - mn) / 2) / (2 * kRgbMax - mx - mn));
    auto share = [&](double c) { return ((mx - c) * (kHlsMax / 6) + spread / 2) / spread; };
    double hue;
    if (r == mx)
        hue = share(b) - share(g);
    else if (g == mx)
        hue = kHlsMax / 3 + share(r) - share(b);
    else
        hue = 2 * kHlsMax / 3 + share(g) - share(r);
    int h = Rounded(hue);
    if (h < 0) h += static_cast<int>(kHlsMax);
    if (h > kHlsMax) h -= static_cast<int>(kHlsMax);
    out.Hue = h;
    return out;
}

TRGBTriple HlsToRgb(const THlsColor& hls) {
    const double l = hls.Luminance, s = hls.Saturation, h = hls.Hue;
    if (s == 0) {
        const std::uint8_t grey = ChannelOf(std::min(l * kRgbMax / kHlsMax, kRgbMax));
        return {grey, grey, grey};
    }
    const double m2 = l <= kHlsMax / 2 ? (l * (kHlsMax + s) + kHlsMax / 2) / kHlsMax
                                       : l + s - (l * s + kHlsMax / 2) / kHlsMax;
    const double m1 = 2 * l - m2;
    auto channel = [&](double hue) { return ChannelOf((HueToChannel(m1, m2, hue) * kRgbMax + kHlsMax / 2) / kHlsMax); };
    return {channel(h - kHlsMax / 3), channel(h), channel(h + kHlsMax / 3)};
}
