#pragma once
// A framed box the chart places itself unless it was given a place by hand:
// titles and the legend. Setting either edge fixes the box where it is put.
// Also what form data holds of every framed box.

#include "chart/core/ChartCustomShape.h"

#include "ui/core/Persistent.h"

class TEnumInfo;

const TEnumInfo& ChartObjectShapeStyleInfo();
const TEnumInfo& TextFormatInfo();

class TChartCustomShapePosition : public TPersistent, public TChartCustomShape {
    DECLARE_CLASS_INFO
public:
    explicit TChartCustomShapePosition(TCustomChartPanel* panel = nullptr);
    // The place when it is custom, then the box's settings.
    void Assign(const TPersistent* source) override;
    void Assign(const TChartCustomShapePosition& source);
    void DefineProperties(TFiler& filer) override;

    bool CustomPosition() const { return customPosition_; }
    void SetCustomPosition(bool value);
    bool CustomPositionDefault = false;
    bool CustomPositionStored() const { return customPosition_ != CustomPositionDefault; }
    // Either edge turns the custom position on and moves the box.
    int Left() const { return ShapeRect.Left; }
    void SetLeft(int value);
    int Top() const { return ShapeRect.Top; }
    void SetTop(int value);
    // The box's outline.
    TChartPen& Frame() { return Pen(); }

private:
    bool customPosition_ = false;
};
