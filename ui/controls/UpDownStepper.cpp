#include "ui/controls/UpDownStepper.h"

#include <algorithm>

namespace {
constexpr int Limit16 = 32767;
int To16(int v) { return std::clamp(v, -Limit16, Limit16); }
}  // namespace

void TUpDownPosition::SetMin(int value) {
    min_ = To16(value);
    SetPosition(position_);
}

void TUpDownPosition::SetMax(int value) {
    max_ = To16(value);
    SetPosition(position_);
}

void TUpDownPosition::SetPosition(int value) { position_ = std::clamp(value, Low(), High()); }

bool TUpDownPosition::AtLimit(TUpDownDirection direction) const {
    if (direction == TUpDownDirection::updUp) return position_ == max_;
    if (direction == TUpDownDirection::updDown) return position_ == min_;
    return false;
}

TUpDownStep TUpDownPosition::Propose(TUpDownDirection direction) const {
    if (direction == TUpDownDirection::updNone) return {position_, direction};
    // Up moves towards Max whichever way the range runs.
    int towardsMax = max_ >= min_ ? 1 : -1;
    int sign = direction == TUpDownDirection::updUp ? towardsMax : -towardsMax;
    long long next = static_cast<long long>(position_) + static_cast<long long>(sign) * increment_;
    if (next > High()) next = wrap_ ? Low() : High();
    if (next < Low()) next = wrap_ ? High() : Low();
    return {static_cast<int>(next), direction};
}

void TPositionRange::SetRange(int min, int max) {
    min_ = min;
    max_ = max < min ? min : max;
    position_ = std::clamp(position_, min_, max_);
}

bool TPositionRange::SetPosition(int value) {
    int clamped = std::clamp(value, min_, max_);
    if (clamped == position_) return false;
    position_ = clamped;
    return true;
}

double TPositionRange::Fraction() const {
    if (max_ == min_) return 0;
    return static_cast<double>(position_ - min_) / static_cast<double>(max_ - min_);
}
