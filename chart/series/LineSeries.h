#pragma once
// Line series: the published line drawn by default, without pointers.

#include "chart/series/CustomSeries.h"

class TLineSeries : public TCustomSeries {
    DECLARE_CLASS_INFO
public:
    explicit TLineSeries(TComponent* owner = nullptr);
    void Assign(const TPersistent* source) override;
    std::vector<std::string> ListSubGalleryStyles() const override;
    // 1 stairs, 2 points, 3 height, 4 hollow, 5 colours, 6 marks, 7 no border, 8 outline.
    void ApplySubGalleryStyle(int style) override;

protected:
    void SetupLegendCanvas(int item, TColor& backColor, TBrushStyle& brushStyle) override;
};
