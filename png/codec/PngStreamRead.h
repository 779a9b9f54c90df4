#pragma once
// Reading from a stream that may deliver fewer bytes than asked, or fail.

#include "ui/core/Stream.h"

#include <cstddef>

// The count of bytes read; a failing stream counts as having none.
inline std::size_t ReadAvailable(TStream& stream, void* buffer, std::size_t count) {
    std::int64_t got = stream.Read(buffer, std::int64_t(count));
    return got > 0 ? std::size_t(got) : 0;
}
