#pragma once
// The progress bar: Position within Min..Max drawn as blocks (or one smooth
// bar), across or upwards. Workers set it through the GUI thread.

#include "ui/controls/UpDownStepper.h"
#include "ui/forms/CustomControl.h"

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TProgressBar(TComponent* owner);
    int Min() const { return range_.Min(); }
    void SetMin(int value);
    int Max() const { return range_.Max(); }
    void SetMax(int value);
    int Position() const { return range_.Position(); }
    void SetPosition(int value);
    void StepBy(int delta) { SetPosition(Position() + delta); }
    void StepIt() { StepBy(Step); }
    int Step = 10;
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value);
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation value);
    // The filled part in client coordinates.
    TRect FilledRect() const;

protected:
    void Paint() override;

private:
    TPositionRange range_;
    bool smooth_ = false;
    TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
};
