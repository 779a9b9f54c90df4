// Any bytes as a JPEG file: read into pixels or refused, never a crash, a
// hang or a picture larger than the limit; what is read saves again.
#include "ui/graphics/detail/JpegCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    jpegcodec::RgbImage image;
    std::string error;
    if (!jpegcodec::Decompress(data, size, image, error)) return 0;
    if (image.width <= 0 || image.height <= 0 ||
        std::uint64_t(image.width) * std::uint64_t(image.height) > jpegcodec::kMaxPixels ||
        image.pixels.size() != std::size_t(image.width) * std::size_t(image.height) * 3)
        std::abort();
    std::vector<std::uint8_t> saved;
    if (!jpegcodec::Compress(image, 90, saved, error)) std::abort();
    return 0;
}
