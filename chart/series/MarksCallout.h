#pragma once

#include "chart/series/Callout.h"

// The callout of a series' marks: lifts the mark box above its point.
class TMarksCallout : public TCallout {
    DECLARE_CLASS_INFO
public:
    static constexpr int DefaultLength = 8;

    explicit TMarksCallout(TChartSeries* series);
    using TCallout::Assign;
    int Length() const { return length_; }
    void SetLength(int value);
    bool LengthStored() const { return length_ != DefaultLength; }
    // The box and the line's end move up by Length + Distance, the line's
    // start by Distance.
    void ApplyLength(TSeriesMarkPosition& position) const;

protected:
    void CopyFrom(const TSeriesPointer& source) override;

private:
    int length_ = DefaultLength;
};
