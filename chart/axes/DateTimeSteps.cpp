#include "chart/axes/DateTimeSteps.h"

#include "ui/core/CalendarDates.h"

#include <cmath>

const std::array<double, DateTimeStepCount> DateTimeStepValues = {
    1.0 / 86400000000.0, 1.0 / 86400000.0, 1.0 / 86400, 5.0 / 86400, 10.0 / 86400, 15.0 / 86400, 30.0 / 86400,
    1.0 / 1440, 5.0 / 1440, 10.0 / 1440, 15.0 / 1440, 30.0 / 1440, 1.0 / 24, 2.0 / 24, 0.25, 0.5, 1, 2, 3, 7, 15,
    30, 60, 90, 120, 182, 365};

const double EarliestCalendarDate = CalendarDateToDays(1900, 1, 1);

const std::string ShortDateFormat = "dd.mm.yyyy";
const std::string ShortTimeFormat = "h:nn";

double NextLargerDateTimeStep(double step) {
    for (int k = DateTimeStepCount - 2; k >= 0; --k)
        if (step >= DateTimeStepValues[k]) return DateTimeStepValues[k + 1];
    return DateTimeStepValues[dtOneYear];
}

int NearestDateTimeStep(double step) {
    for (int k = DateTimeStepCount - 1; k >= 0; --k)
        if (std::fabs(DateTimeStepValues[k] - step) < DateTimeStepValues[0]) return k;
    return NoDateTimeStep;
}

std::string DateTimeFormatFor(double step) { return step > 1 ? ShortDateFormat : ShortTimeFormat; }

double TruncDateToStep(int stepIndex, double value) {
    if (value <= EarliestCalendarDate) return value;
    int year, month, day;
    DaysToCalendarDate(value, year, month, day);
    switch (stepIndex) {
        case dtHalfMonth: day = day < 15 ? 1 : 15; break;
        case dtOneMonth:
        case dtTwoMonths:
        case dtThreeMonths:
        case dtFourMonths:
        case dtSixMonths: day = 1; break;
        case dtOneYear:
            day = 1;
            month = 1;
            break;
        default: return DateOnly(value);
    }
    return CalendarDateToDays(year, month, day);
}

namespace {

void StepMonths(bool up, int n, int& year, int& month, int& day) {
    day = 1;
    if (up) {
        month += n;
        if (month > 12) {
            ++year;
            month -= 12;
        }
    } else if (n < month) {
        month -= n;
    } else {
        --year;
        month += 12 - n;
    }
}

}  // namespace

void StepDateTime(bool calendar, bool up, double& value, double amount, int stepIndex) {
    const bool calendarStep = stepIndex >= dtHalfMonth && stepIndex <= dtOneYear;
    if (!calendar || !calendarStep) {
        value = up ? value + amount : value - amount;
        return;
    }
    int year, month, day;
    DaysToCalendarDate(value, year, month, day);
    switch (stepIndex) {
        case dtOneMonth: StepMonths(up, 1, year, month, day); break;
        case dtTwoMonths: StepMonths(up, 2, year, month, day); break;
        case dtThreeMonths: StepMonths(up, 3, year, month, day); break;
        case dtFourMonths: StepMonths(up, 4, year, month, day); break;
        case dtSixMonths: StepMonths(up, 6, year, month, day); break;
        case dtOneYear:
            year += up ? 1 : -1;
            // 29 February of a leap year has no twin in the next one
            if (day > DaysInMonth(year, month)) day = DaysInMonth(year, month);
            break;
        case dtHalfMonth:
            if (up) {
                // the next half-month boundary above the value
                if (day < 15) {
                    day = 15;
                } else {
                    StepMonths(true, 1, year, month, day);
                }
            } else if (day > 15) {
                day = 15;
            } else if (day >= 2) {
                day = 1;
            } else {
                StepMonths(false, 1, year, month, day);
                day = 15;
            }
            break;
    }
    value = CalendarDateToDays(year, month, day);
}
