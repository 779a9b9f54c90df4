#include "viewer/log/RecordScales.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct ScaleCase {
    std::uint32_t raw;
    std::int32_t decoded;
};

}  // namespace

TEST(RecordScales, SignedValuesKeep0x8000Positive) {
    const ScaleCase cases[] = {
        {0x0000, 0}, {0x0001, 1}, {0x7FFF, 32767}, {0x8000, 32768}, {0x8001, -32767}, {0xFFFF, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeSigned(c.raw), c.decoded) << std::hex << c.raw;
}

TEST(RecordScales, AccelerationQuartersTowardZeroThenScalesAndRoundsHalvesToEven) {
    const ScaleCase cases[] = {
        {0x0800, 1000},    // 2048 counts are 1 g
        {0xF800, -1000},
        {0xFFFD, 0},       // -3 / 4 truncates to 0
        {0xFFFF, 0},
        {0x0006, 2},       // 1 x 1.953125
        {0x0080, 62},      // 32 x 1.953125 = 62.5, to even
        {0x0180, 188},     // 96 x 1.953125 = 187.5, to even
        {0x8000, 16000},   // +32768 under the sign rule
        {0x8001, -15998},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeAcceleration(c.raw), c.decoded) << std::hex << c.raw;
}

TEST(RecordScales, AngularRateDividesBy16_38) {
    const ScaleCase cases[] = {
        {0x0000, 0}, {0x0666, 100}, {0x00A4, 10}, {0xFF5C, -10}, {0x8000, 2000}, {0x8001, -2000}, {0xFFFF, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeAngularRate(c.raw), c.decoded) << std::hex << c.raw;
}

TEST(RecordScales, Acceleration100gHasAnOffsetOf8AndNoOverflow) {
    const ScaleCase cases[] = {
        {8, 0}, {9, 102}, {7, -102},
        {0, -819},               // below the offset the value stays negative
        {0xFFFF, -922},          // 65527 reads as -9
        {0x8000, 3354495},       // the product 32760 x 1,000,000 is beyond 32 bits
        {0x8008, 3355314},       // +32768 after the offset
        {0x8009, -3355212},      // -32767 after the offset
        {0x7FFF, 3354393},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeAcceleration100g(c.raw), c.decoded) << std::hex << c.raw;
}
