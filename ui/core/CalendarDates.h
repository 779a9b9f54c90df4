#pragma once
// Calendar dates in the library's date-time unit: days since 30 December
// 1899, the time of day as the fraction.

// Raises EConvertError for an impossible date.
double CalendarDateToDays(int year, int month, int day);
void DaysToCalendarDate(double dateTime, int& year, int& month, int& day);
// The date of a value, time of day dropped (towards the earlier midnight).
double DateOnly(double dateTime);
int DaysInMonth(int year, int month);
