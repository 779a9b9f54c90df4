#include "device/firmware/FirmwareChecksum.h"

#include <array>

namespace {

// The reflected CRC-32 table of the polynomial 0xEDB88320.
constexpr std::array<std::uint32_t, 256> MakeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

}  // namespace

std::uint32_t UpdateChecksum(std::uint8_t b, std::uint32_t c) {
    return ~(kTable[(c ^ b) & 0xFF] ^ (c >> 8));
}

std::uint32_t ChecksumOfBytes(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < count; ++i) c = UpdateChecksum(bytes[i], c);
    return c;
}
