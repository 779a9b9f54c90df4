#include "settings/ranges/RangeSteps.h"

#include "settings/ranges/MinMaxHint.h"
#include "settings/ranges/SettingsBalloons.h"
#include "ui/controls/SpinEdit.h"
#include "ui/forms/Application.h"
#include "ui/core/Rounding.h"
#include "ui/forms/WinControl.h"

#include <algorithm>
#include <cmath>

void MarkRange(TDecimalSpinEdit& edit, TSettingsBalloons& balloons) {
    const TMinMax range = ParseMinMaxHint(edit.Hint());
    if (!range.Ok) return;
    const double value = edit.Value();
    if (value > range.Max || value < range.Min) {
        edit.SetColor(RangeMarkColor);
        return;
    }
    edit.SetColor(NormalEditColor);
    balloons.HideBalloon();
}

void StepUpInRange(TDecimalSpinEdit& edit, TSettingsBalloons& balloons) {
    const TMinMax range = ParseMinMaxHint(edit.Hint());
    if (!range.Ok) return;
    if (edit.Value() < range.Max + edit.Increment) edit.SetValue(edit.Value() + edit.Increment);
    if (edit.Value() < range.Min) edit.SetValue(range.Min);
    MarkRange(edit, balloons);
}

void StepDownInRange(TDecimalSpinEdit& edit, TSettingsBalloons& balloons) {
    const TMinMax range = ParseMinMaxHint(edit.Hint());
    if (!range.Ok) return;
    if (edit.Value() > range.Min - edit.Increment) edit.SetValue(edit.Value() - edit.Increment);
    if (edit.Value() > range.Max) edit.SetValue(range.Max);
    MarkRange(edit, balloons);
}

namespace {

double OnDecimals(const TDecimalSpinEdit& edit, double value) {
    const double scale = std::pow(10.0, edit.DecimalPlaces());
    return RoundToWhole(value * scale) / scale;
}

void MarkRangeTolerant(TDecimalSpinEdit& edit, TSettingsBalloons& balloons, const TMinMax& range) {
    if (TolerantGreater(edit.Value(), range.Max) || TolerantLess(edit.Value(), range.Min)) {
        edit.SetColor(RangeMarkColor);
        return;
    }
    edit.SetColor(NormalEditColor);
    balloons.HideBalloon();
}

}  // namespace

void ClampStepUp(TDecimalSpinEdit& edit, TSettingsBalloons& balloons) {
    const TMinMax range = ParseMinMaxHint(edit.Hint());
    if (!range.Ok) return;
    edit.SetValue(range.Max > edit.Value() ? OnDecimals(edit, edit.Value() + edit.Increment) : range.Max);
    if (range.Min > edit.Value()) edit.SetValue(range.Min);
    MarkRangeTolerant(edit, balloons, range);
}

void ClampStepDown(TDecimalSpinEdit& edit, TSettingsBalloons& balloons) {
    const TMinMax range = ParseMinMaxHint(edit.Hint());
    if (!range.Ok) return;
    edit.SetValue(range.Min < edit.Value() ? OnDecimals(edit, edit.Value() - edit.Increment) : range.Min);
    if (range.Max < edit.Value()) edit.SetValue(range.Max);
    MarkRangeTolerant(edit, balloons, range);
}

std::string OutOfRangeText(const std::string& minText, const std::string& maxText) {
    return "Введено не допустимое значение\rДопустимый диапазон от " + minText + " до " + maxText;
}

void CheckTypedInRange(TDecimalSpinEdit& edit, TSettingsBalloons& balloons) {
    const TMinMax range = ParseMinMaxHint(edit.Hint());
    if (!range.Ok) return;
    const double value = edit.Value();
    if (value > range.Max || value < range.Min) {
        edit.SetColor(RangeMarkColor);
        const TPoint corner = edit.Parent() ? edit.Parent()->ClientToScreen({edit.Left(), edit.Top()}) : edit.ClientToScreen({0, 0});
        balloons.ShowErrorBalloon(&edit, corner.X + kEditBalloonDx, corner.Y + kEditBalloonDy,
                                  OutOfRangeText(range.MinText, range.MaxText));
        return;
    }
    edit.SetColor(NormalEditColor);
    balloons.HideBalloon();
}

void RangeHoverHint(std::string& text, bool& canShow, THintInfo& info) {
    canShow = false;
    if (text.empty() || !dynamic_cast<TDecimalSpinEdit*>(info.HintControl)) {
        // A balloon shown at a point has no control: its text stays whole.
        return;
    }
    if (text.front() == kBalloonMark) {
        text.erase(std::remove(text.begin(), text.end(), kBalloonMark), text.end());
        canShow = true;
        info.HintColor = BalloonTextColor;
        return;
    }
    const TMinMax range = ParseMinMaxHint(text);
    if (!range.Ok) return;
    text = "Допустимое значение от " + range.MinText + " до " + range.MaxText;
    canShow = true;
    info.HintColor = BalloonTextColor;
}
