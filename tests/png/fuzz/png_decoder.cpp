// Any bytes as a picture file: loading must end in a picture or in one of the
// codec's errors, and a loaded picture must read, draw, copy and save again.

#include "png/PngPicture.h"
#include "png/codec/PngBytes.h"
#include "png/image/PngDrawing.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// Headers of more than 16 million pixels are left out: their memory, not
// their handling, is what the fuzzer would measure.
bool DeclaresAHugePicture(const std::uint8_t* data, std::size_t size) {
    if (size < 24 || std::memcmp(data + 12, "IHDR", 4) != 0) return false;
    std::uint64_t pixels = std::uint64_t(ReadBigEndian32(data + 16)) * ReadBigEndian32(data + 20);
    return pixels > (1u << 24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (DeclaresAHugePicture(data, size)) return 0;
    TPngPicture picture;
    try {
        TStringStream input(std::string(reinterpret_cast<const char*>(data), size));
        picture.LoadFromStream(input);
    } catch (const Exception&) {
        return 0;
    }
    std::uint32_t sum = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) sum += picture.ReadPixelColor(x, y);
    (void)sum;
    std::uint32_t target[7 * 5] = {};
    try {
        picture.TransparentColorValue();
        StretchPictureOnto(picture, {target, 7, 5, 7});
        DrawColorKeyedOnto(picture, {target, 7, 5, 7});
        BlendPictureOnto(picture, {target, 7, 5, 7});
    } catch (const Exception&) {
        // a palette entry beyond the palette: a clear error is the answer
    }
    TPngPicture copy;
    copy.Assign(&picture);
    TMemoryStream output;
    copy.SaveToStream(output);
    TPngPicture reloaded;
    output.SetPosition(0);
    reloaded.LoadFromStream(output);
    return 0;
}
