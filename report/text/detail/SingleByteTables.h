#pragma once
// The upper halves (bytes 0x80-0xFF) of the single-byte code pages the
// report engine converts; the lower half is ASCII in all of them.

#include <array>
#include <cstdint>

namespace report_detail {

using UpperHalf = std::array<char16_t, 128>;

// Nothing for a code page without a table here.
const UpperHalf* UpperHalfOf(std::uint32_t codePage);

}  // namespace report_detail
