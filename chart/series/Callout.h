#pragma once
// A line (or arrow) from a point to something placed away from it, as the
// marks of a series use.

#include "chart/series/SeriesPointer.h"

enum TArrowHeadStyle { ahNone, ahLine, ahSolid };
const TEnumInfo& ArrowHeadStyleInfo();

// A pointer at a data point and a line from it to something placed away.
class TCallout : public TSeriesPointer {
    DECLARE_CLASS_INFO
public:
    explicit TCallout(TChartSeries* series);
    using TSeriesPointer::Assign;

    TWhitePen& Arrow() { return arrow_; }
    void SetArrow(const TChartPen& pen) { arrow_.Assign(&pen); }
    TArrowHeadStyle ArrowHead() const { return arrowHead_; }
    void SetArrowHead(TArrowHeadStyle value);
    int ArrowHeadSize() const { return arrowHeadSize_; }
    void SetArrowHeadSize(int value);
    // Pixels between the point and where the line starts.
    int Distance() const { return distance_; }
    void SetDistance(int value);

    // The line from `start` (the data point) to `end`, at depth z; without
    // an arrow head, the pointer at the start.
    void PaintCallout(TColor color, TPoint start, int z, TPoint end);

protected:
    void CopyFrom(const TSeriesPointer& source) override;

private:
    TWhitePen arrow_;
    TArrowHeadStyle arrowHead_ = ahNone;
    int arrowHeadSize_ = 8;
    int distance_ = 0;
};
