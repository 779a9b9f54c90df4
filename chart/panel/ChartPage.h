#pragma once
// The chart's point paging.

#include "ui/core/Persistent.h"

class TCustomAxisPanel;

// Point paging: the chart shows MaxPointsPerPage points at a time.
class TChartPage : public TPersistent {
    DECLARE_CLASS_INFO
public:
    explicit TChartPage(TCustomAxisPanel* chart) : chart_(chart) {}
    // The four settings, without a repaint.
    void Assign(const TPersistent* source) override;
    void Assign(const TChartPage& source);
    bool AutoScale() const { return autoScale_; }
    void SetAutoScale(bool value);
    int Current() const { return current_; }
    // Kept within 1..Count.
    void SetCurrent(int value);
    int MaxPointsPerPage() const { return maxPointsPerPage_; }
    // Raises ChartException for a negative count.
    void SetMaxPointsPerPage(int value);
    bool ScaleLastPage() const { return scaleLastPage_; }
    void SetScaleLastPage(bool value);
    int Count() const;
    int FirstValueIndex() const { return (current_ - 1) * maxPointsPerPage_; }

private:
    TCustomAxisPanel* chart_;
    bool autoScale_ = false;
    int current_ = 1;
    int maxPointsPerPage_ = 0;
    bool scaleLastPage_ = true;
};
