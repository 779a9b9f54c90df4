#pragma once
// The table of date-time label steps and the routines that pick, find and
// apply a step. Durations are in days (1.0 = one day).

#include <array>
#include <string>

constexpr int DateTimeStepCount = 27;  // index 27 means "no step"
constexpr int NoDateTimeStep = 27;

enum TDateTimeStep {
    dtOneMicroSecond, dtOneMillisecond, dtOneSecond, dtFiveSeconds, dtTenSeconds, dtFifteenSeconds,
    dtThirtySeconds, dtOneMinute, dtFiveMinutes, dtTenMinutes, dtFifteenMinutes, dtThirtyMinutes, dtOneHour,
    dtTwoHours, dtSixHours, dtTwelveHours, dtOneDay, dtTwoDays, dtThreeDays, dtOneWeek, dtHalfMonth, dtOneMonth,
    dtTwoMonths, dtThreeMonths, dtFourMonths, dtSixMonths, dtOneYear
};

extern const std::array<double, DateTimeStepCount> DateTimeStepValues;

// 1 January 1900: calendar rounding is skipped for values up to it.
extern const double EarliestCalendarDate;

double NextLargerDateTimeStep(double step);
int NearestDateTimeStep(double step);
// The short date format for steps above one day, else the short time format.
std::string DateTimeFormatFor(double step);
double TruncDateToStep(int stepIndex, double value);
// Moves value one step up or down; calendar steps (half months and longer)
// land on the 1st or 15th, or move the year.
void StepDateTime(bool calendar, bool up, double& value, double amount, int stepIndex);

// The program's fixed locale formats.
extern const std::string ShortDateFormat;
extern const std::string ShortTimeFormat;
