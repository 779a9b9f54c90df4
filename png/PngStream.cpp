#include "png/PngStream.h"

#include <algorithm>
#include <cstring>

std::size_t TPngMemoryStream::Read(void* buffer, std::size_t count) {
    if (position_ >= bytes_.size()) return 0;
    std::size_t n = std::min<std::uint64_t>(count, bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

void TPngMemoryStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) return;
    if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
}
