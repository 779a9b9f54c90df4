#include "settings/rules/EasyRules.h"

#include "common/TextFormatting.h"
#include "ui/core/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

using E = TEasyRuleEdit;

constexpr double kCeilFraction = 0.05;
// The apogee timer runs out more than this after the burnout timer.
constexpr double kApogeeAfterBurnout = 3;
// The end-of-descent timer runs out more than this after the earlier timer.
constexpr double kDescentAfterTimer = 10;
// Raised and typed minima step one past the gap.
constexpr double kWholeStep = 1;
constexpr double kTenthStep = 0.1;

const char* const kDashes = "-------------------";

struct TCheckedParameter {
    int Edit;
    const char* Name;
    const char* Group;
};

const TCheckedParameter kCheckedParameters[] = {
    {12, "Ускорение", "Определение старта по ускорению"},
    {13, "Время ускорения", "Определение старта по ускорению"},
    {5, "Таймер имитации оконч. работы двигателя", "Определение старта по ускорению"},
    {14, "Таймер имитации апогея", "Определение старта по ускорению"},
    {22, "Таймер имитации конца спуска ракеты", "Определение старта по ускорению"},
    {1, "Перепад высоты", "Определение старта по барометру"},
    {2, "Постоянная времени фильтра", "Определение старта по барометру"},
    {4, "Таймер имитации окончания работы двигателя", "Определение старта по барометру"},
    {6, "Допустимый угол отклонения", "Определение внештатного старта"},
    {10, "Время фиксации", "Определение внештатного старта"},
    {16, "Задержка выброса тормозного парашюта", "Определение внештатного старта"},
    {17, "Задержка выброса основного парашюта", "Определение внештатного старта"},
    {11, "Ускорение торможения", "Определение окончания работы двигателя"},
    {3, "Время фиксации", "Определение окончания работы двигателя"},
    {9, "Время блокировки барометра", "Определение окончания работы двигателя"},
    {8, "Уменьшение высоты от максимальной", "Определение апогея по барометру"},
    {7, "Постоянная времени фильтра", "Определение апогея по барометру"},
    {15, "Время работы воспламенителей", "Выброс парашютов"},
    {18, "Задержка выброса тормозного парашюта", "Выброс тормозного парашюта"},
    {19, "Таймаут блокировки барометра", "Выброс основного парашюта"},
    {31, "Постоянная времени фильтра барометра", "Выброс основного парашюта"},
    {21, "Высота выброса основного парашюта", "Выброс основного парашюта"},
    {20, "Выброс основного парашюта по времени", "Выброс основного парашюта"},
    {27, "Допустимый разброс по высоте", "Определение приземления по барометру"},
    {33, "Постоянная времени фильтра", "Определение приземления по барометру"},
    {26, "Время определения приземления", "Определение приземления по барометру"},
};

std::string ParameterMessage(int edit) {
    for (const TCheckedParameter& p : kCheckedParameters)
        if (p.Edit == edit) return std::string("Недопустимое значение параметра \"") + p.Name + "\" (" + p.Group + ")";
    return {};
}

bool AtMost(double a, double b) { return !TolerantGreater(a, b); }

// The timer the end-of-descent timer follows: the apogee timer when it is on, else the burnout timer.
double DescentBase(const TEasyRuleState& s) { return s.ApogeeTimer ? s.T14 : s.T5; }

std::string WholeText(double x) { return std::to_string(Round(x)); }

bool ApogeeTooEarly(const TEasyRuleState& s) { return AtMost(s.T14, s.T5 + kApogeeAfterBurnout); }
bool DescentTooEarly(const TEasyRuleState& s, double base) { return AtMost(s.T22, base + kDescentAfterTimer); }
bool MainAbnormalTooEarly(const TEasyRuleState& s) { return TolerantGreater(s.E16 + s.E15 + kTenthStep, s.E17); }
bool MainLockOutTooShort(const TEasyRuleState& s) { return AtMost(s.E19, s.E15 + s.E18); }

TEasyMark ConflictOrClear(bool conflict) { return conflict ? TEasyMark::Conflict : TEasyMark::ClearConflict; }

}  // namespace

double RuleCeil(double x) {
    const double whole = std::trunc(x);
    return x - whole > kCeilFraction ? whole + 1 : whole;
}

std::optional<double> RaisedAfterUp(TEasyRuleEdit edit, const TEasyRuleState& s) {
    if (edit == E::T14 && s.BothTimers() && ApogeeTooEarly(s)) return RuleCeil(s.T5 + kApogeeAfterBurnout);
    if (edit == E::T22 && s.ApogeeTimer && DescentTooEarly(s, s.T14)) return s.T14 + kDescentAfterTimer + kWholeStep;
    return std::nullopt;
}

bool HoldsDownStep(TEasyRuleEdit edit, const TEasyRuleState& s) {
    switch (edit) {
        case E::T14: return s.EngineTimer && ApogeeTooEarly(s);
        case E::T22: return DescentTooEarly(s, DescentBase(s));
        case E::E17: return s.BothParachutes() && AtMost(s.E17, s.E16 + s.E15);
        case E::E19: return s.BothParachutes() && MainLockOutTooShort(s);
        default: return false;
    }
}

std::optional<std::string> BrokenTypedMinimum(TEasyRuleEdit edit, const TEasyRuleState& s) {
    if (edit == E::T22 && (s.EngineTimer || s.ApogeeTimer)) {
        const double q = DescentBase(s) + kDescentAfterTimer + kWholeStep;
        if (TolerantLess(s.T22, q)) return WholeText(q);
    }
    if (edit == E::T14 && s.BothTimers()) {
        const double q = s.T5 + kApogeeAfterBurnout + kTenthStep;
        if (TolerantLess(s.T14, q)) return WholeText(RuleCeil(q));
    }
    return std::nullopt;
}

std::optional<std::string> HoverMinimumText(TEasyRuleEdit edit, const TEasyRuleState& s, const TMinMax& hint) {
    switch (edit) {
        case E::E17:
            if (s.BothParachutes()) return FloatToCommaText(1, s.E15 + s.E16 + kTenthStep);
            break;
        case E::E19:
            if (s.BothParachutes()) return FloatToCommaText(1, s.E15 + s.E18 + kTenthStep);
            break;
        case E::T14:
            if (s.EngineTimer) return WholeText(RuleCeil(std::max(s.T5 + kApogeeAfterBurnout + kTenthStep, hint.Min)));
            break;
        case E::T22:
            if (s.EngineTimer || s.ApogeeTimer)
                return WholeText(std::max(DescentBase(s) + kDescentAfterTimer + kWholeStep, hint.Min));
            break;
        default: break;
    }
    return std::nullopt;
}

TEasyMarks DependencyMarks(const TEasyRuleState& s) {
    TEasyMarks marks;
    if (s.BothParachutes()) {
        if (MainAbnormalTooEarly(s)) marks.E17 = TEasyMark::Range;
        if (MainLockOutTooShort(s)) marks.E19 = TEasyMark::Range;
    }
    if (s.BothTimers()) {
        marks.T14 = ConflictOrClear(ApogeeTooEarly(s));
        marks.T22 = ConflictOrClear(DescentTooEarly(s, s.T14));
    } else if (s.EngineTimer) {
        marks.T22 = ConflictOrClear(DescentTooEarly(s, s.T5));
    } else if (s.ApogeeTimer) {
        marks.T14 = TEasyMark::ClearConflict;
        marks.T22 = ConflictOrClear(DescentTooEarly(s, s.T14));
    }
    return marks;
}

std::vector<int> FullCheckEdits() {
    std::vector<int> edits;
    for (const TCheckedParameter& p : kCheckedParameters) edits.push_back(p.Edit);
    return edits;
}

std::vector<std::string> FullCheckLines(const std::function<bool(int)>& inRange, const TEasyRuleState& s) {
    std::vector<std::string> lines;
    const auto fail = [&lines](int edit) {
        lines.push_back(kDashes);
        lines.push_back(ParameterMessage(edit));
    };
    for (const TCheckedParameter& p : kCheckedParameters)
        if (!inRange(p.Edit)) fail(p.Edit);
    if (s.BothParachutes()) {
        if (MainAbnormalTooEarly(s)) fail(17);
        if (MainLockOutTooShort(s)) fail(19);
    }
    if (s.BothTimers()) {
        if (ApogeeTooEarly(s)) fail(14);
        if (DescentTooEarly(s, s.T14)) fail(22);
    } else if (s.EngineTimer) {
        if (DescentTooEarly(s, s.T5)) fail(22);
    } else if (s.ApogeeTimer) {
        if (DescentTooEarly(s, s.T14)) fail(22);
    }
    if (lines.empty()) {
        lines.push_back(kDashes);
        lines.push_back("Ошибок нет!!!");
    }
    return lines;
}
