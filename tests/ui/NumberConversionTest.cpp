#include "ui/core/Exceptions.h"
#include "ui/core/NumberConversion.h"

#include <gtest/gtest.h>

TEST(StrToInt, ReadsDecimalAndHexadecimal) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {{"0", 0}, {" 42 ", 42}, {"-17", -17}, {"+5", 5}, {"$FF", 255}, {"0x10", 16},
                 {"$FFFFFFFF", -1}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"007", 7}};
    for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RejectsWhatIsNoIntegerWithTheLibraryText) {
    for (const char* text : {"", " ", "-", "1.5", "12a", "2147483648", "$", "1 2"})
        EXPECT_THROW(StrToInt(text), EConvertError) << text;
    try {
        StrToInt("ab");
        FAIL();
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "'ab' is not a valid integer value");
    }
    EXPECT_EQ(StrToIntDef("x", -3), -3);
}

TEST(FloatText, WritesTheDecimalCommaAndReadsEitherSeparator) {
    const struct {
        double value;
        const char* text;
    } written[] = {{2.5, "2,5"}, {0.1, "0,1"}, {-3, "-3"}, {0, "0"}, {1e20, "1E20"}, {1.5e-7, "1,5E-7"},
                   {123456.789, "123456,789"}};
    for (const auto& c : written) EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
    for (const auto& c : written) EXPECT_EQ(StrToFloat(c.text), c.value) << c.text;
    EXPECT_EQ(StrToFloat(" 2.25 "), 2.25);
    for (const char* bad : {"", "1,2,3", "abc", "inf", "nan", "0x10", "1e999", "1 2"})
        EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
    EXPECT_EQ(StrToFloatDef("x", 7.5), 7.5);
}
