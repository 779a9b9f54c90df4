#pragma once
// The base of the filters driven by one number, an amount that may be a
// percentage.

#include "chart/effects/ChartFilter.h"

class TAmountFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    explicit TAmountFilter(TCollection* collection = nullptr);

    int Amount() const { return amount_; }
    void SetAmount(int value) { amount_ = value; }
    bool Percent() const { return percent_; }
    void SetPercent(bool value) { percent_ = value; }

    // The amount on a scroll bar whose range follows the percent switch.
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;

protected:
    // Filters for which a negative amount means nothing.
    virtual bool OnlyPositive() const { return false; }
    int amount_ = 5;

private:
    bool percent_ = true;
};
