#include "ui/core/Rounding.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

TEST(Round, HalvesGoToEven) {
    const struct {
        double x;
        std::int64_t rounded;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-7.6, -8}};
    for (const auto& c : cases) EXPECT_EQ(Round(c.x), c.rounded) << c.x;
}

TEST(Round, StaysToNearestWhateverTheCurrentMode) {
    std::fesetround(FE_UPWARD);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(2.2), 2);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(FE_TONEAREST);
}

TEST(Round, ValuesBeyondTheRangeAreHeldAtItsEnds) {
    EXPECT_EQ(Round(1e300), INT64_MAX);
    EXPECT_EQ(Round(-1e300), INT64_MIN);
    EXPECT_EQ(Round(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundToWhole(1e300), 1e300);
}
