#pragma once
// The up-down control: two arrow halves that step Position within Min..Max
// by Increment (wrapping with Wrap), repeating while held. Each step asks
// OnChanging and OnChangingEx (the new value and the direction) before it
// is made, then tells OnClick. With ArrowKeys the associated control's Up
// and Down keys step it too, and the associate shows the position.

#include "ui/controls/UpDownStepper.h"
#include "ui/forms/CustomControl.h"

enum class TUDOrientation { udHorizontal, udVertical };
enum class TUDBtnType { btNext, btPrev };

using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;
using TUDChangingEventEx =
    std::function<void(TObject* Sender, bool& AllowChange, short NewValue, TUpDownDirection Direction)>;
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;

class TCustomUpDown : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TCustomUpDown(TComponent* owner);
    ~TCustomUpDown() override;

    int Min() const { return range_.Min(); }
    void SetMin(int value) { range_.SetMin(value); Invalidate(); }
    int Max() const { return range_.Max(); }
    void SetMax(int value) { range_.SetMax(value); Invalidate(); }
    int Position() const { return range_.Position(); }
    void SetPosition(int value);
    int Increment() const { return range_.Increment(); }
    void SetIncrement(int value) { range_.SetIncrement(value); }
    bool Wrap() const { return range_.Wrap(); }
    void SetWrap(bool value) { range_.SetWrap(value); }
    bool ArrowKeys = true;
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation value);
    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* control);

    // One step as a click on a half does it; false when a handler refused it.
    bool Step(TUpDownDirection direction);

    TUDChangingEvent OnChanging;
    TUDChangingEventEx OnChangingEx;
    TUDClickEvent OnClick;

    void Dispatch(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint() override;
    // The half under a point: up (top or right) or down.
    TUpDownDirection HalfAt(int x, int y) const;

private:
    void ReleaseAssociate();
    void ShowInAssociate();
    void StopRepeat();

    TUpDownPosition range_;
    TUDOrientation orientation_ = TUDOrientation::udVertical;
    TWinControl* associate_ = nullptr;
    std::function<void(TMessage&)> associateProc_;
    TUpDownDirection held_ = TUpDownDirection::updNone;
};

class TUpDown : public TCustomUpDown {
    DECLARE_CLASS_INFO
public:
    using TCustomUpDown::TCustomUpDown;
};
