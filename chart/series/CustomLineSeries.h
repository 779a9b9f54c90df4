#pragma once
// The base of series drawn as lines: how a null point breaks the line.

#include "chart/series/ChartSeries.h"

enum TTreatNullsStyle { tnDontPaint, tnSkip, tnIgnore };
const TEnumInfo& TreatNullsStyleInfo();

class TCustomLineSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
    TTreatNullsStyle TreatNulls() const { return treatNulls_; }
    void SetTreatNulls(TTreatNullsStyle value);

protected:
    TTreatNullsStyle treatNulls_ = tnDontPaint;
};
