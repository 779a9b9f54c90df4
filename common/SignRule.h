#pragma once
// The controller's 16-bit values are signed with one quirk: values up to
// 32768 stay positive (so 0x8000 reads +32768), larger ones lose 65536.

#include <cstdint>

constexpr std::int32_t SignExtend16(std::uint32_t u) {
    return u <= 32768 ? static_cast<std::int32_t>(u) : static_cast<std::int32_t>(u) - 65536;
}
