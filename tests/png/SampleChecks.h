#pragma once
// Checks that a picture in memory holds a sample image's pixels.

#include "SampleImages.h"

#include <gtest/gtest.h>

namespace fixture {

// Pixels, alpha and the low bytes of 16-bit samples.
inline void ExpectPixelsOf(TPngPicture& picture, const TSampleImage& image) {
    ASSERT_EQ(picture.Width(), image.Width);
    ASSERT_EQ(picture.Height(), image.Height);
    const bool wide = image.Depth == 16;
    auto high = [&](int v) { return wide ? v >> 8 : v; };
    auto low = [](int v) { return v & 255; };
    int mismatches = 0;
    for (int y = 0; y < image.Height; ++y) {
        std::uint8_t* lowRow = picture.LowByteRowAddress(y);
        std::uint8_t* alphaRow = picture.AlphaRowAddress(y);
        ASSERT_EQ(lowRow != nullptr, wide);
        ASSERT_EQ(alphaRow != nullptr, image.ColorType == 4 || image.ColorType == 6);
        for (int x = 0; x < image.Width; ++x) {
            TPngColor expected = 0;
            int s0 = image.Sample(x, y, 0), s1 = image.Sample(x, y, 1), s2 = image.Sample(x, y, 2);
            switch (image.ColorType) {
                case 0: {
                    auto grey = std::uint8_t(wide ? s0 >> 8 : s0 * 255 / image.MaxValue());
                    expected = RgbColor(grey, grey, grey);
                    if (wide && lowRow[x] != low(s0)) ++mismatches;
                    break;
                }
                case 3: expected = TSampleImage::PaletteColor(s0); break;
                case 4:
                    expected = RgbColor(std::uint8_t(high(s0)), std::uint8_t(high(s0)), std::uint8_t(high(s0)));
                    if (alphaRow[x] != high(s1)) ++mismatches;
                    if (wide && lowRow[x] != low(s0)) ++mismatches;
                    break;
                default:
                    expected = RgbColor(std::uint8_t(high(s0)), std::uint8_t(high(s1)), std::uint8_t(high(s2)));
                    if (wide && (lowRow[3 * x] != low(s2) || lowRow[3 * x + 1] != low(s1) || lowRow[3 * x + 2] != low(s0)))
                        ++mismatches;
                    if (image.ColorType == 6 && alphaRow[x] != high(image.Sample(x, y, 3))) ++mismatches;
            }
            if (picture.ReadPixelColor(x, y) != expected) {
                if (mismatches++ < 3)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << picture.ReadPixelColor(x, y)
                                  << ", expected " << expected;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

inline std::string FormatName(const TSampleImage& image, bool interlaced) {
    return "type" + std::to_string(image.ColorType) + "_depth" + std::to_string(image.Depth) +
           (interlaced ? "_adam7" : "_rows");
}

// Every colour type with every bit depth the format allows, at an odd size
// that leaves partial bytes and short interlace passes.
inline std::vector<TSampleImage> EverySampleFormat(int width = 13, int height = 11) {
    std::vector<TSampleImage> images;
    const std::pair<int, std::vector<int>> formats[] = {
        {0, {1, 2, 4, 8, 16}}, {2, {8, 16}}, {3, {1, 2, 4, 8}}, {4, {8, 16}}, {6, {8, 16}}};
    for (const auto& [type, depths] : formats)
        for (int depth : depths) images.push_back({width, height, type, depth});
    return images;
}

}  // namespace fixture
