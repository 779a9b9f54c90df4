#pragma once
// Check-box states and the press tracking every push-like control shares.

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// The state a click leads to: unchecked → grayed (when allowed) → checked → unchecked.
TCheckBoxState NextCheckState(TCheckBoxState state, bool allowGrayed);

// A click counts on release only when the press started inside and the
// mouse never left the control while held.
class TClickTracker {
public:
    void Press(bool inside) {
        held_ = true;
        valid_ = inside;
    }
    void Move(bool inside) {
        if (held_ && !inside) valid_ = false;
    }
    // True when the release completes a click.
    bool Release(bool inside) {
        bool click = held_ && valid_ && inside;
        held_ = valid_ = false;
        return click;
    }
    void Cancel() { held_ = valid_ = false; }
    bool Held() const { return held_; }
    // Held and still inside: the control shows itself pushed.
    bool Pushed() const { return held_ && valid_; }

private:
    bool held_ = false;
    bool valid_ = false;
};
