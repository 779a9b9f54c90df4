#pragma once

#include "chart/core/ChartCustomShape.h"
#include "ui/core/Persistent.h"

// The small framed colour square a mark box may show.
class TSeriesMarksSymbol : public TPersistent, public TChartCustomShape {
    DECLARE_CLASS_INFO
public:
    explicit TSeriesMarksSymbol(TCustomChartPanel* panel = nullptr);
    void Assign(const TPersistent* source) override;
    void Assign(const TSeriesMarksSymbol& source) { TChartCustomShape::Assign(source); }
    // Visible and not transparent.
    bool ShouldDraw() const { return Visible() && !Transparent(); }
};
