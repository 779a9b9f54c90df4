#include "settings/firststage/FirstStageTimers.h"

namespace {

// The edits hold values a step apart, never exact sums: 3 may stand as 2,9999...
constexpr double kSlack = 1e-9;

TTimerMark Enough(double gap, double least) { return gap >= least - kSlack ? TTimerMark::Clear : TTimerMark::Mark; }

}  // namespace

TTimerCheck CheckTimers(bool apogeeOn, bool burnoutOn, double apogee, double burnout, double descent) {
    TTimerCheck check;
    if (apogeeOn && burnoutOn) {
        check.Log.push_back("Mode 1");
        check.Apogee = Enough(apogee - burnout, kApogeeAfterBurnout);
        if (check.Apogee == TTimerMark::Mark) check.Log.push_back("Error 1");
        check.Descent = Enough(descent - apogee, kDescentAfterTimer);
        if (check.Descent == TTimerMark::Mark) check.Log.push_back("Error 2");
    } else if (burnoutOn) {
        check.Log.push_back("Mode 2");
        check.Descent = Enough(descent - burnout, kDescentAfterTimer);
    } else if (apogeeOn) {
        check.Log.push_back("Mode 3");
        check.Descent = Enough(descent - apogee, kDescentAfterTimer);
    } else {
        check.Log.push_back("Mode 4");
        check.Apogee = check.Descent = TTimerMark::Clear;
    }
    return check;
}
