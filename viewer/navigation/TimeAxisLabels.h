#pragma once
// The time axis labels its ticks as flight time "mm:ss,hh".

#include <string>

// `valueText` is the tick as the axis wrote it (whole numbers); a negative
// tick gets no label. `startSecond` is where a partly loaded log begins.
std::string TimeAxisLabel(const std::string& valueText, int startSecond = 0);
