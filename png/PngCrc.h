#pragma once
// The CRC-32 of the file format (reflected polynomial 0xEDB88320). A running
// value starts at PngCrcStart, runs over any number of buffers, and is
// complemented at the end.

#include <cstddef>
#include <cstdint>

inline constexpr std::uint32_t PngCrcStart = 0xFFFFFFFFu;

std::uint32_t UpdatePngCrc(std::uint32_t crc, const void* bytes, std::size_t count);

// The finished CRC of one buffer.
inline std::uint32_t PngCrc(const void* bytes, std::size_t count) {
    return ~UpdatePngCrc(PngCrcStart, bytes, count);
}
