#pragma once
// JPEG compression and decompression of 24-bit pixels over libjpeg, with its
// failures as a message instead of a jump out of the library.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace jpegcodec {

// Rows from the top, three bytes a pixel in red, green, blue order.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Pictures with more pixels are refused before any memory is taken for them.
inline constexpr std::uint64_t kMaxPixels = std::uint64_t(1) << 26;

// Baseline, 4:2:0, at `quality` (1-100). False with the library's reason in
// `error` when it fails.
bool Compress(const RgbImage& image, int quality, std::vector<std::uint8_t>& out, std::string& error);
// Any colour space the library converts to RGB. A damaged or cut-off file is
// a failure too: the library's warnings about its data count as errors.
bool Decompress(const std::uint8_t* data, std::size_t size, RgbImage& out, std::string& error);

}  // namespace jpegcodec
