#pragma once
// The position of an up-down control and one step of it. A step is
// proposed first (the control asks OnChangingEx with the new value and the
// direction, also at a limit, so a handler that steps something else keeps
// working) and applied when allowed. Min may exceed Max: the up arrow then
// counts down.

#include <cstdint>

enum class TUpDownDirection { updNone, updUp, updDown };

struct TUpDownStep {
    int NewValue;
    TUpDownDirection Direction;
};

class TUpDownPosition {
public:
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int Increment() const { return increment_; }
    bool Wrap() const { return wrap_; }
    // The platform keeps the range within 16 bits.
    void SetMin(int value);
    void SetMax(int value);
    // Clamped into the range.
    void SetPosition(int value);
    void SetIncrement(int value) { increment_ = value; }
    void SetWrap(bool value) { wrap_ = value; }

    // The position one step up or down: clamped at the range's end, or
    // across to the other end with Wrap.
    TUpDownStep Propose(TUpDownDirection direction) const;
    bool AtLimit(TUpDownDirection direction) const;

private:
    int Low() const { return min_ < max_ ? min_ : max_; }
    int High() const { return min_ < max_ ? max_ : min_; }

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
    bool wrap_ = false;
};

// A position within a range for progress and track bars: the range and
// the position always agree.
class TPositionRange {
public:
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // A maximum below the minimum is raised to it; the position moves in.
    void SetRange(int min, int max);
    void SetMin(int value) { SetRange(value, max_ < value ? value : max_); }
    void SetMax(int value) { SetRange(min_ > value ? value : min_, value); }
    // Clamped into the range; true when it moved.
    bool SetPosition(int value);
    bool StepBy(int delta) { return SetPosition(position_ + delta); }
    // Where the position stands, 0..1 (0 for an empty range).
    double Fraction() const;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};
