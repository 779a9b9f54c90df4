#include "png/image/PngBuffer.h"

#include "png/codec/PngExceptions.h"

TPngBuffer::TPngBuffer(std::size_t size, std::uint8_t fill) {
    if (size == 0) return;
    auto* p = static_cast<std::uint8_t*>(std::calloc(size, 1));
    if (!p) throw EPNGOutMemory();
    if (fill != 0) std::memset(p, fill, size);
    bytes_.reset(p);
    size_ = size;
}
