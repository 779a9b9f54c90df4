// Any bytes as a PNG for the skin engine's reader; a picture that loads is
// drawn, as the skin code does with it.
#include "skin/core/png/PngGraphic.h"

#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream source;
    source.WriteBuffer(data, static_cast<std::int64_t>(size));
    source.SetPosition(0);
    TPNGGraphic picture;
    try {
        picture.LoadFromStream(source);
    } catch (const Exception&) {
        return 0;
    }
    if (picture.Empty()) return 0;
    TBitmap target(8, 8, TPixelFormat::pf32bit);
    picture.Reflected = true;
    target.Canvas()->Draw(0, 0, &picture);
    target.Canvas()->StretchDraw(TRect(0, 0, 5, 3), &picture);
    return 0;
}
