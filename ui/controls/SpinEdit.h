#pragma once
// Spin edits: an edit holding a number that the up and down arrow keys and
// the mouse wheel step by Increment. Keys that cannot be part of the number
// are refused with a beep, as is a step on a read-only edit. TSpinEdit holds
// an integer, TDecimalSpinEdit a real shown with DecimalPlaces decimals.

#include "ui/controls/CustomEdit.h"

class TCustomSpinEdit : public TCustomEdit {
    DECLARE_CLASS_INFO
public:
    explicit TCustomSpinEdit(TComponent* owner);

    bool EditorEnabled = true;
    bool AllowNegative = true;
    // Replace the built-in step when set.
    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

    void StepUp();
    void StepDown();
    void Dispatch(TMessage& message) override;

protected:
    // Whether the typed key may stand in the text; it may replace the key
    // (0 swallows it without a beep).
    virtual bool AcceptKey(char32_t& key) = 0;
    // `steps` increments up (negative: down).
    virtual void Step(int steps) = 0;
    // On leaving the field: the text written back within the limits.
    virtual void CheckOnExit() = 0;
    bool EditKeyDown(platform::WORD key, TShiftState shift) override;
    bool DoKeyPress(char32_t& key) override;
    bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    // Whether a '-' may be typed where the selection stands.
    bool MinusFits(bool minimumAllowsNegative) const;
};

class TSpinEdit : public TCustomSpinEdit {
    DECLARE_CLASS_INFO
public:
    explicit TSpinEdit(TComponent* owner);

    // Both 0: no limits; MaxValue 0 alone: no upper limit.
    int MinValue = 0;
    int MaxValue = 0;
    int Increment = 1;

    // The text as an integer: empty is 0, a text that is not a number reads as MinValue.
    int Value() const;
    // A negative value when negatives are not allowed becomes the larger of
    // 0 and MinValue; then the value is kept within the limits.
    void SetValue(int value);
    int CheckValue(int value) const;

protected:
    bool AcceptKey(char32_t& key) override;
    void Step(int steps) override;
    void CheckOnExit() override;
};

class TDecimalSpinEdit : public TCustomSpinEdit {
    DECLARE_CLASS_INFO
public:
    explicit TDecimalSpinEdit(TComponent* owner);

    // A limit of 0 means none.
    double MinValue = 0;
    double MaxValue = 0;
    double Increment = 1;

    // The value last stored: set, stepped or typed.
    double Value() const { return value_; }
    void SetValue(double value);
    double CheckValue(double value) const;
    int DecimalPlaces() const { return decimalPlaces_; }
    void SetDecimalPlaces(int value);

protected:
    bool AcceptKey(char32_t& key) override;
    void Step(int steps) override;
    void CheckOnExit() override;
    void Change() override;

private:
    void ShowValue();

    double value_ = 0;
    int decimalPlaces_ = 2;
    bool writingText_ = false;
};
