#include "device/firmware/FirmwareChecksum.h"

#include <gtest/gtest.h>

#include <string>

TEST(FirmwareChecksum, MatchesTheBootloadersCheckValues) {
    const struct {
        std::string bytes;
        std::uint32_t checksum;
    } cases[] = {
        {"", 0xFFFFFFFFu},
        {"\xFF", 0xFF000000u},
        {"abc", 0xA6FFBCB0u},
    };
    for (const auto& c : cases) {
        auto data = reinterpret_cast<const std::uint8_t*>(c.bytes.data());
        EXPECT_EQ(ChecksumOfBytes(data, c.bytes.size()), c.checksum) << c.bytes;
    }
}

TEST(FirmwareChecksum, ComplementsAtEveryStepUnlikeCrc32) {
    // CRC-32 of "abc" is 0x352441C2; the stepwise complement must differ from it
    // and from its complement.
    std::uint32_t c = 0xFFFFFFFFu;
    for (char ch : std::string("abc")) c = UpdateChecksum(static_cast<std::uint8_t>(ch), c);
    EXPECT_EQ(c, 0xA6FFBCB0u);
    EXPECT_NE(c, 0x352441C2u);
    EXPECT_NE(c, ~0x352441C2u);
}
