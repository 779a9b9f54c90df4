#include "ui/core/CalendarDates.h"
#include "ui/core/DateTimeFormatting.h"
#include "ui/core/FloatFormatting.h"

#include <gtest/gtest.h>

TEST(FormatFloat, FormatFloatMasks) {
    const struct {
        const char* mask;
        double value;
        const char* text;
    } cases[] = {
        {"#,##0.###", 1234567.891, "1 234 567,891"},
        {"#,##0.###", 0.0004, "0"},
        {"#,##0.###", -0.0004, "0"},
        {"#,##0.###", -12.5, "-12,5"},
        {"0", 2.5, "2"},  // halves to even, as the text formatter rounds
        {"0", 3.5, "4"},
        {"0", -7, "-7"},
        {"0.00", 1.005, "1,00"},
        {"000", 7, "007"},
        {"##0.## %", 12.345, "12,35 %"},
        {"0.0E+00", 12345, "1,2E+04"},
        {"0.0E+00", 0.00012, "1,2E-04"},
        {"0 \"m\"", 12, "12 m"},
        {"0;(0);zero", -5, "(5)"},
        {"0;(0);zero", 0, "zero"},
        {"", 0.5, "0,5"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFloat(c.mask, c.value), c.text) << c.mask << " " << c.value;
}

TEST(DateTimeToString, Formats) {
    const double t = CalendarDateToDays(2021, 3, 7) + (13 * 3600 + 5 * 60 + 9.25) / 86400;
    const struct {
        const char* format;
        const char* text;
    } cases[] = {{"dd.mm.yyyy", "07.03.2021"}, {"d.m.yy", "7.3.21"}, {"hh:nn:ss", "13:05:09"},
                 {"h:mm", "13:05"},            {"mm:ss", "03:09"},  {"ss,zzz", "09,250"},
                 {"'day' d", "day 7"}};
    for (const auto& c : cases) EXPECT_EQ(DateTimeToString(c.format, t), c.text) << c.format;
    EXPECT_EQ(DateTimeToString("dd hh:nn", CalendarDateToDays(2021, 3, 8) - 1e-12), "08 00:00");
}
