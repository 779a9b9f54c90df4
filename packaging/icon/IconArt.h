#pragma once
// The program's icon, drawn as geometry in a unit square so every size comes
// out sharp: a dark badge, an orange climb curve and a white rocket on it.

#include <cstdint>
#include <string>
#include <vector>

struct TIconPixel {
    std::uint8_t Red = 0, Green = 0, Blue = 0, Alpha = 0;
    bool operator==(const TIconPixel&) const = default;
};

// Square picture, rows from the top.
struct TIconImage {
    int Size = 0;
    std::vector<TIconPixel> Pixels;
    const TIconPixel& At(int x, int y) const { return Pixels[std::size_t(y) * std::size_t(Size) + std::size_t(x)]; }
};

// The sizes a desktop's icon theme looks for.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Each pixel is the average of a grid of samples, so edges are smooth.
TIconImage DrawVelzarIcon(int size);

// A PNG file with an alpha channel; throws on a file that cannot be written.
void WriteIconPng(const TIconImage& image, const std::string& fileName);
