#include "platform/system/Angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using platform::DegreesToRadians;
using platform::RadiansToDegrees;

TEST(Angles, DegreesAndRadiansBothWays) {
    const struct {
        double degrees;
        double radians;
    } cases[] = {
        {0, 0}, {45, std::numbers::pi / 4}, {90, std::numbers::pi / 2}, {180, std::numbers::pi},
        {-90, -std::numbers::pi / 2}, {360, 2 * std::numbers::pi}, {0.1, std::numbers::pi / 1800},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(DegreesToRadians(c.degrees), c.radians) << c.degrees;
        EXPECT_DOUBLE_EQ(RadiansToDegrees(c.radians), c.degrees) << c.degrees;
    }
    // The factor the chart's drawing has always used, to the last bit.
    EXPECT_EQ(platform::kRadiansPerDegree, 0.017453292519943295);
    EXPECT_NEAR(std::sin(DegreesToRadians(30)), 0.5, 1e-15);
}

}  // namespace
