#pragma once
// A picture doubled by its mirror image below, above, right or left of it.

#include "chart/effects/ChartFilter.h"

enum class TMirrorDirection { mdDown, mdUp, mdRight, mdLeft };

class TMirrorFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    explicit TMirrorFilter(TCollection* collection = nullptr);

    TMirrorDirection Direction() const { return direction_; }
    void SetDirection(TMirrorDirection value) { direction_ = value; }

    // The whole bitmap, which grows to twice its height or width.
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;
    std::string DisplayName() const override;

private:
    TMirrorDirection direction_ = TMirrorDirection::mdDown;
};
