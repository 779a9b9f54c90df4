#include "ui/core/FloatFormatting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FloatCase {
    double value;
    TFloatFormat format;
    int precision;
    int digits;
    const char* text;
};

using enum TFloatFormat;

}  // namespace

TEST(FloatToStrF, GeneralChoosesTheShorterForm) {
    const FloatCase cases[] = {
        {2.5, ffGeneral, 15, 0, "2,5"},
        {-0.5, ffGeneral, 15, 0, "-0,5"},
        {100, ffGeneral, 15, 0, "100"},
        {0, ffGeneral, 15, 0, "0"},
        {1234, ffGeneral, 4, 0, "1234"},
        {1234567, ffGeneral, 4, 0, "1,235E6"},  // more integer digits than the precision
        {9.99999, ffGeneral, 3, 0, "10"},       // rounding carries into a new digit
        {0.0001, ffGeneral, 15, 0, "0,0001"},
        {0.00001, ffGeneral, 15, 0, "1E-5"},  // below 0,0001
        {0.00001, ffGeneral, 15, 2, "1E-05"},
        {1e20, ffGeneral, 15, 0, "1E20"},
        {0.1, ffGeneral, 40, 0, "0,1"},  // a precision beyond a double's shows no noise
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.text) << c.value << " " << c.precision;
}

TEST(FloatToStrF, ExponentKeepsEveryDigitAndTheSign) {
    const FloatCase cases[] = {
        {12345.678, ffExponent, 4, 2, "1,235E+04"},
        {-0.00012345, ffExponent, 3, 0, "-1,23E-4"},
        {0, ffExponent, 3, 1, "0,00E+0"},
        {1, ffExponent, 1, 3, "1E+000"},
        {9.96, ffExponent, 2, 9, "1,0E+0001"},  // at most four exponent digits
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.text) << c.value << " " << c.precision;
}

TEST(FloatToStrF, FixedNumberAndCurrencyRoundAtDecimalsOrPrecision) {
    const FloatCase cases[] = {
        {3.14159, ffFixed, 15, 2, "3,14"},
        {2.5, ffFixed, 15, 0, "2"},  // halves to even
        {3.5, ffFixed, 15, 0, "4"},
        {5, ffFixed, 15, 0, "5"},
        {1234567.891, ffFixed, 15, 2, "1234567,89"},
        {-0.001, ffFixed, 15, 2, "0,00"},  // shown as zero: no sign
        {0.1, ffFixed, 18, 18, "0,100000000000000000"},
        {0.0123, ffFixed, 15, 18, "0,012300000000000000"},
        {123.456, ffFixed, 4, 3, "123,500"},  // the precision rounds first
        {99.96, ffFixed, 3, 1, "100,0"},
        {1e20, ffFixed, 15, 2, "1E20"},  // more integer digits than the precision
        {1234567.891, ffNumber, 15, 2, "1 234 567,89"},
        {-1234.5, ffNumber, 15, 1, "-1 234,5"},
        {999.999, ffNumber, 15, 2, "1 000,00"},
        {12345.6789, ffNumber, 15, 3, "12 345,679"},
        {12, ffNumber, 15, 0, "12"},
        {1234.5, ffCurrency, 15, 2, "1 234,50 р."},
        {-3, ffCurrency, 15, 0, "-3 р."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.text)
            << c.value << " " << static_cast<int>(c.format) << " " << c.precision << " " << c.digits;
}

TEST(FloatToStrF, NotANumberAndInfinitiesInEveryFormat) {
    const double inf = std::numeric_limits<double>::infinity();
    for (TFloatFormat format : {ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency}) {
        EXPECT_EQ(FloatToStrF(std::nan(""), format, 15, 2), "NAN");
        EXPECT_EQ(FloatToStrF(inf, format, 15, 2), "INF");
        EXPECT_EQ(FloatToStrF(-inf, format, 15, 2), "-INF");
    }
}
