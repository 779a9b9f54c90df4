#pragma once
// A title inside the legend box.

#include "chart/core/ChartShape.h"

#include "ui/controls/TextAlignment.h"
#include "ui/core/Persistent.h"
#include "ui/core/StringList.h"

#include <string>
#include <vector>

class TCustomChartPanel;

class TLegendTitle : public TPersistent, public TChartShape {
    DECLARE_CLASS_INFO
public:
    explicit TLegendTitle(TCustomChartPanel* panel = nullptr);
    void Assign(const TPersistent* source) override;
    void Assign(const TLegendTitle& source);
    // The lines; every change repaints the chart.
    TStringList& Text() { return text_; }
    const TStringList& Text() const { return text_; }
    void SetText(const std::vector<std::string>& lines);
    TAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TAlignment value);

private:
    TStringList text_;
    TAlignment textAlignment_ = TAlignment::taLeftJustify;
};
