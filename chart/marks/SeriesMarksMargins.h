#pragma once
// The room between a mark box's edges and its text, in per cent of the font's
// line height or of the text's size, or in pixels.

#include "chart/core/ChartTypes.h"
#include "ui/core/Persistent.h"

class TChartCustomShape;
class TEnumInfo;

enum TMarginUnits { maPercentFont, maPercentSize, maPixels };
const TEnumInfo& MarginUnitsInfo();

class TMargins : public TPersistent {
    DECLARE_CLASS_INFO
public:
    // `owner` repaints on a change; `horizontalDefault` is where Left and Right start.
    explicit TMargins(TChartCustomShape* owner = nullptr, int horizontalDefault = 20);
    void Assign(const TPersistent* source) override;

    int Left() const { return left_; }
    void SetLeft(int value) { Change(left_, value); }
    int Top() const { return top_; }
    void SetTop(int value) { Change(top_, value); }
    int Right() const { return right_; }
    void SetRight(int value) { Change(right_, value); }
    int Bottom() const { return bottom_; }
    void SetBottom(int value) { Change(bottom_, value); }
    TMarginUnits Units() const { return units_; }
    void SetUnits(TMarginUnits value);
    bool LeftStored() const { return left_ != horizontalDefault_; }
    bool RightStored() const { return right_ != horizontalDefault_; }

    // The four margins in pixels for a text `width` × `height` in a font of
    // line height `lineHeight`; kept in Pixels as well.
    TRect ComputeMarginPixels(int width, int height, int lineHeight);
    TRect Pixels;

private:
    void Change(int& field, int value);
    TChartCustomShape* owner_;
    int horizontalDefault_;
    int left_;
    int top_ = 5;
    int right_;
    int bottom_ = 5;
    TMarginUnits units_ = maPercentFont;
};
