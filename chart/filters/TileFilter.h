#pragma once
// The picture repeated in columns and rows of smaller copies.

#include "chart/effects/ChartFilter.h"

class TTileFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    using TChartFilter::TChartFilter;

    int NumCols() const { return numCols_; }
    void SetNumCols(int value) { numCols_ = value; }
    int NumRows() const { return numRows_; }
    void SetNumRows(int value) { numRows_ = value; }

    // Counts below 1 become 1 (in the filter too).
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;
    std::string DisplayName() const override;

private:
    int numCols_ = 3;
    int numRows_ = 3;
};
