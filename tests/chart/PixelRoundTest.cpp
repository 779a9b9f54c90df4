// The axes' inline pixel rounding must give what the program's one rounding
// rule gives for every position an axis can hand it.
#include "chart/axes/ChartAxis.h"
#include "chart/axes/PixelRound.h"
#include "ui/core/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

TEST(PixelRound, MatchesTheRoundingRuleOnHalvesAndNeighbours) {
    const double limit = TChartAxis::ClampLimit;
    const double cases[] = {0.0,  -0.0, 0.5,   -0.5,  1.5,   -1.5,  2.5,         -2.5,   0.49999999999999994,
                            -0.49999999999999994, 0.5000000000000001, 1.4999999, 2.5000001, -2.5000001,
                            7.0,  -7.0, 1e-300, -1e-300, limit, -limit, limit - 0.5, -limit + 0.5, limit - 1.5};
    for (double p : cases) EXPECT_EQ(RoundPixel(p), Round(p)) << p;
    for (int whole = -1000; whole <= 1000; ++whole)
        for (double part : {-0.5, 0.5, std::nextafter(0.5, 0.0), std::nextafter(0.5, 1.0)})
            EXPECT_EQ(RoundPixel(whole + part), Round(whole + part)) << whole << " + " << part;
}

TEST(PixelRound, MatchesTheRoundingRuleAcrossTheAxisRange) {
    std::mt19937_64 random(51);
    std::uniform_real_distribution<double> anywhere(-TChartAxis::ClampLimit, TChartAxis::ClampLimit);
    std::uniform_real_distribution<double> onScreen(-4000, 4000);
    for (int i = 0; i < 200000; ++i) {
        const double p = i % 2 ? anywhere(random) : onScreen(random);
        ASSERT_EQ(RoundPixel(p), Round(p)) << p;
    }
}

TEST(PixelRound, NotANumberGivesZero) {
    EXPECT_EQ(RoundPixel(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundPixel(-std::numeric_limits<double>::quiet_NaN()), 0);
}
