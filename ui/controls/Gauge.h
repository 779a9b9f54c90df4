#pragma once
// The gauge: a bar filled to Progress within MinValue..MaxValue, with the
// percentage written over it.

#include "ui/forms/CustomControl.h"

class TGauge : public TGraphicControl {
    DECLARE_CLASS_INFO
public:
    explicit TGauge(TComponent* owner);

    int MinValue() const { return min_; }
    void SetMinValue(int value);
    int MaxValue() const { return max_; }
    void SetMaxValue(int value);
    // Kept within MinValue..MaxValue.
    int Progress() const { return progress_; }
    void SetProgress(int value);
    void AddProgress(int delta) { SetProgress(progress_ + delta); }
    // Progress as a whole percentage of the range; 0 for an empty range.
    int PercentDone() const;
    bool ShowText() const { return showText_; }
    void SetShowText(bool value);
    TColor ForeColor() const { return foreColor_; }
    void SetForeColor(TColor value);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value);
    // The filled part in client coordinates.
    TRect FilledRect() const;

protected:
    void Paint() override;

private:
    int min_ = 0;
    int max_ = 100;
    int progress_ = 0;
    bool showText_ = true;
    TColor foreColor_ = clBlack;
    TColor backColor_ = clWhite;
};
