#pragma once
// The cross-check of the first stage's imitation timers: the apogee timer
// A, the burnout timer B and the end-of-descent timer D must leave enough
// time between them. Which timers are checked follows the two switches.

#include <string>
#include <vector>

// At least this much between B and A, and between A (or B) and D.
constexpr double kApogeeAfterBurnout = 5;
constexpr double kDescentAfterTimer = 15;

enum class TTimerMark { Leave, Mark, Clear };

struct TTimerCheck {
    std::vector<std::string> Log;
    TTimerMark Apogee = TTimerMark::Leave;
    TTimerMark Descent = TTimerMark::Leave;
};

TTimerCheck CheckTimers(bool apogeeOn, bool burnoutOn, double apogee, double burnout, double descent);
