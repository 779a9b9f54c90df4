#pragma once
// Date-times (days since 30 December 1899, CalendarDates.h) as text.

#include <string>

// Date-time formatting: yyyy yy m mm mmm? d dd h hh n nn s ss z zzz, quoted
// literals; m/mm right after h/hh are minutes.
std::string DateTimeToString(const std::string& format, double dateTime);
