#include "common/FlightTime.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

TEST(HundredthsToTimeText, ShowsMinutesSecondsAndHundredths) {
    const struct {
        std::int64_t hundredths;
        const char* text;
    } cases[] = {
        {0, "00:00,00"},        {7, "00:00,07"},        {6203, "01:02,03"},
        {6000, "01:00,00"},     {5999, "00:59,99"},     {599999, "99:59,99"},
        {605999, "100:59,99"},  {-5, "00:00,00"},       {-600000, "00:00,00"},
    };
    for (const auto& c : cases) EXPECT_EQ(HundredthsToTimeText(c.hundredths), c.text) << c.hundredths;
}

TEST(TimeTextToHundredths, ReadsFixedPositionsWhateverTheSeparators) {
    const struct {
        const char* text;
        std::int32_t hundredths;
    } cases[] = {
        {"00:00,00", 0}, {"01:02,03", 6203}, {"01x02y03", 6203}, {"99:59,99", 599999}, {"00:75,00", 7500},
    };
    for (const auto& c : cases) EXPECT_EQ(TimeTextToHundredths(c.text), c.hundredths) << c.text;
}

TEST(TimeTextToHundredths, TextThatIsNoTimeRaisesAConversionError) {
    for (const char* text : {"  :  ,  ", "ab:00,00", "00:0x,00", "00:00,", ""})
        EXPECT_THROW(TimeTextToHundredths(text), EConvertError) << '"' << text << '"';
}

TEST(FlightTime, TextRoundTrips) {
    for (std::int64_t t : {0, 1, 99, 100, 6001, 123456, 599999})
        EXPECT_EQ(TimeTextToHundredths(HundredthsToTimeText(t)), t);
}
