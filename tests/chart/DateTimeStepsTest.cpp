#include "ui/core/CalendarDates.h"
#include "chart/axes/DateTimeSteps.h"
#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

namespace {

double Date(int y, int m, int d) { return CalendarDateToDays(y, m, d); }

}  // namespace

TEST(DateTimeSteps, TableRunsFromAMicrosecondToAYear) {
    const struct {
        int index;
        double days;
    } rows[] = {{dtOneMicroSecond, 1 / 86400000000.0},
                {dtOneSecond, 1 / 86400.0},
                {dtThirtySeconds, 30 / 86400.0},
                {dtOneMinute, 1 / 1440.0},
                {dtSixHours, 0.25},
                {dtOneWeek, 7},
                {dtHalfMonth, 15},
                {dtSixMonths, 182},
                {dtOneYear, 365}};
    for (const auto& r : rows) EXPECT_DOUBLE_EQ(DateTimeStepValues[r.index], r.days) << r.index;
    for (int k = 1; k < DateTimeStepCount; ++k) EXPECT_LT(DateTimeStepValues[k - 1], DateTimeStepValues[k]);
}

TEST(DateTimeSteps, NearestAndNextLargerStep) {
    EXPECT_EQ(NearestDateTimeStep(1 / 1440.0), dtOneMinute);
    EXPECT_EQ(NearestDateTimeStep(45 / 86400.0), NoDateTimeStep);
    EXPECT_EQ(NearestDateTimeStep(365), dtOneYear);
    EXPECT_EQ(NearestDateTimeStep(1e-12), dtOneMicroSecond);

    const struct {
        double step, next;
    } cases[] = {{20 / 86400.0, 30 / 86400.0}, {15 / 1440.0, 30 / 1440.0}, {400, 365},
                 {182, 365},                   {1, 2},                     {1 / 86400.0, 5 / 86400.0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(NextLargerDateTimeStep(c.step), c.next) << c.step;
}

TEST(DateTimeSteps, TruncatesToTheCalendarStep) {
    const double march17 = Date(2021, 3, 17) + 10.5 / 24;
    const struct {
        int step;
        double value, result;
    } cases[] = {{dtHalfMonth, march17, Date(2021, 3, 15)},
                 {dtHalfMonth, Date(2021, 3, 14) + 0.3, Date(2021, 3, 1)},
                 {dtOneMonth, march17, Date(2021, 3, 1)},
                 {dtSixMonths, march17, Date(2021, 3, 1)},
                 {dtOneYear, march17, Date(2021, 1, 1)},
                 {dtOneDay, march17, Date(2021, 3, 17)},
                 {dtOneYear, Date(1899, 12, 31) + 0.5, Date(1899, 12, 31) + 0.5}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(TruncDateToStep(c.step, c.value), c.result) << c.step;
}

TEST(DateTimeSteps, StepsByCalendarOrByAmount) {
    const struct {
        bool calendar, up;
        double value;
        double amount;
        int step;
        double result;
    } cases[] = {
        {true, false, Date(2021, 1, 20), 30, dtOneMonth, Date(2020, 12, 1)},
        {true, false, Date(2021, 3, 1), 15, dtHalfMonth, Date(2021, 2, 15)},
        {true, false, Date(2021, 3, 20), 15, dtHalfMonth, Date(2021, 3, 15)},
        {true, false, Date(2021, 3, 15), 15, dtHalfMonth, Date(2021, 3, 1)},
        {true, true, Date(2021, 3, 3), 15, dtHalfMonth, Date(2021, 3, 15)},
        {true, true, Date(2021, 12, 20), 15, dtHalfMonth, Date(2022, 1, 1)},
        {true, true, Date(2021, 8, 10), 182, dtSixMonths, Date(2022, 2, 1)},
        {true, false, Date(2021, 2, 10), 90, dtThreeMonths, Date(2020, 11, 1)},
        {true, true, Date(2021, 1, 1), 365, dtOneYear, Date(2022, 1, 1)},
        {true, true, Date(2020, 2, 29), 365, dtOneYear, Date(2021, 2, 28)},
        {false, true, Date(2021, 1, 20), 30, dtOneMonth, Date(2021, 2, 19)},
        {true, false, 10.5, 0.25, dtSixHours, 10.25},
    };
    for (const auto& c : cases) {
        double v = c.value;
        StepDateTime(c.calendar, c.up, v, c.amount, c.step);
        EXPECT_DOUBLE_EQ(v, c.result) << c.step << " from " << c.value;
    }
}

TEST(CalendarDates, RoundTripsAndRefusesImpossibleDates) {
    EXPECT_EQ(Date(1899, 12, 30), 0);
    EXPECT_EQ(Date(1900, 1, 1), 2);
    EXPECT_EQ(EarliestCalendarDate, 2);
    for (double d : {-700.0, 0.0, 2.75, 44272.5, 73050.0}) {
        int y, m, day;
        DaysToCalendarDate(d, y, m, day);
        EXPECT_EQ(Date(y, m, day), DateOnly(d)) << d;
    }
    EXPECT_THROW(Date(2021, 2, 29), Exception);
    EXPECT_THROW(Date(2021, 13, 1), Exception);
}
