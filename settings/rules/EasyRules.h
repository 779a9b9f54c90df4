#pragma once
// The rules that tie the single-stage parameters together: the apogee
// imitation timer must run out well after the engine-burnout timer, the
// end-of-descent timer well after both, and the main-parachute delays must
// leave room for the brake parachute and the igniter burn. Pure logic over
// the values involved; the window applies the results to its edits. Nothing
// here blocks a device write or a file save.

#include "settings/ranges/MinMaxHint.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The edits the rules look at (skDecimalSpinEdit<n>); Other for the rest.
enum class TEasyRuleEdit { T5, T14, T22, E15, E16, E17, E18, E19, Other };

struct TEasyRuleState {
    double T5 = 0;   // engine-burnout imitation timer
    double T14 = 0;  // apogee imitation timer
    double T22 = 0;  // end-of-descent imitation timer
    double E15 = 0;  // igniter burn time
    double E16 = 0;  // brake-parachute delay after an abnormal start
    double E17 = 0;  // main-parachute delay after an abnormal start
    double E18 = 0;  // brake-parachute delay after apogee
    double E19 = 0;  // barometer lock-out before the main parachute
    bool EngineTimer = false;  // skCheckBox6
    bool ApogeeTimer = false;  // skCheckBox1
    bool Brake = false;        // skCheckBox3
    bool Main = false;         // skCheckBox2

    bool BothTimers() const { return EngineTimer && ApogeeTimer; }
    bool BothParachutes() const { return Brake && Main; }
};

// The integer part, plus one when the fraction exceeds 0,05.
double RuleCeil(double x);

// After an up step: the value a timer is raised to, if any.
std::optional<double> RaisedAfterUp(TEasyRuleEdit edit, const TEasyRuleState& state);
// Before a down step: true when the value already sits at its dependent minimum.
bool HoldsDownStep(TEasyRuleEdit edit, const TEasyRuleState& state);
// A typed timer value below its dependent minimum: the minimum's text for the
// balloon (a whole number); nothing when the value is allowed.
std::optional<std::string> BrokenTypedMinimum(TEasyRuleEdit edit, const TEasyRuleState& state);
// The minimum a hover hint names in place of the hint's own, if the edit has one.
std::optional<std::string> HoverMinimumText(TEasyRuleEdit edit, const TEasyRuleState& state, const TMinMax& hint);

// What the dependency check does to one edit's colour.
enum class TEasyMark {
    Leave,
    Range,          // light red (RangeMarkColor); never cleared by the check
    Conflict,       // ConflictMarkColor
    ClearConflict,  // white, only when it carries ConflictMarkColor
};

struct TEasyMarks {
    TEasyMark E17 = TEasyMark::Leave;
    TEasyMark E19 = TEasyMark::Leave;
    TEasyMark T14 = TEasyMark::Leave;
    TEasyMark T22 = TEasyMark::Leave;
};

TEasyMarks DependencyMarks(const TEasyRuleState& state);

// The full check of "Контроль ошибок": every edit's range in a fixed order,
// then the rules; each failure is a dash line and a message. `inRange` tells
// whether edit n (skDecimalSpinEdit<n>) lies in the range of its hint.
std::vector<std::string> FullCheckLines(const std::function<bool(int)>& inRange, const TEasyRuleState& state);

// The edit numbers the full check visits, in its order.
std::vector<int> FullCheckEdits();
