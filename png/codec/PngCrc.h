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

// Whether a chunk's stored CRC is the computed one. Fuzzing builds accept any
// stored value so that mutated files reach the code behind the check.
inline bool PngCrcMatches(std::uint32_t stored, std::uint32_t computed) {
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    (void)stored;
    (void)computed;
    return true;
#else
    return stored == computed;
#endif
}
