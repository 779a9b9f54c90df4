#pragma once
// A picture behind a panel, a wall or a box: stretched, tiled, centred or
// at a place of its own, outside or inside the walls; drawn after its filters.

#include "chart/effects/ChartPicture.h"

#include "ui/core/TypeInfo.h"

enum TChartBackImageMode { pbmStretch, pbmTile, pbmCenter, pbmCustom };
const TEnumInfo& BackImageModeInfo();

class TBackImage : public TChartPicture {
    DECLARE_CLASS_INFO
public:
    static constexpr TChartBackImageMode DefaultMode = pbmStretch;

    // Its placement first, then the picture.
    void Assign(const TPersistent* source) override;

    bool Inside() const { return inside_; }
    void SetInside(bool value);
    int Left() const { return left_; }
    void SetLeft(int value);
    int Top() const { return top_; }
    void SetTop(int value);
    TChartBackImageMode Mode() const { return mode_; }
    void SetMode(TChartBackImageMode value);

private:
    void Notify() { FireEvent(OnChange, this); }

    bool inside_ = false;
    int left_ = 0;
    int top_ = 0;
    TChartBackImageMode mode_ = DefaultMode;
};
