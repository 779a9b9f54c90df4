#pragma once
// The chart's text titles: above the plot (Title, SubTitle) or below it
// (Foot, SubFoot). A title placed by the chart takes its height off the plot
// rectangle; one with a custom position keeps its own place and is drawn
// over the series. The rectangle last drawn is where a click finds it.

#include "chart/core/ChartCustomShapePosition.h"
#include "ui/controls/TextAlignment.h"
#include "ui/core/StringList.h"

#include <string>
#include <vector>

class TCustomAxisPanel;

class TChartTitle : public TChartCustomShapePosition {
    DECLARE_CLASS_INFO
public:
    explicit TChartTitle(TCustomAxisPanel* chart = nullptr);
    using TChartCustomShapePosition::Assign;
    void Assign(const TPersistent* source) override;

    // The lines; every change repaints the chart.
    TStringList& Text() { return text_; }
    const TStringList& Text() const { return text_; }
    void SetText(const std::vector<std::string>& lines);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // The frame as wide as the text, else as the plot.
    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool value);
    // The gap between the title and the plot.
    int VertMargin() const { return vertMargin_; }
    void SetVertMargin(int value);
    bool OnTop() const { return onTop_; }

    // Measures and draws the lines; a title the chart places takes its room from the plot.
    void Draw();
    // Visible and the point in the rectangle last drawn, edges included.
    bool HitAt(int x, int y) const;
    const TRect& TitleRect() const { return ShapeRect; }

protected:
    bool onTop_ = true;

private:
    // The frame's width on each side of the text.
    int FrameWidth();
    void DrawLines(TCanvas3D& canvas, int lineHeight, int frame);
    TCustomAxisPanel* chart_;
    TStringList text_;
    TAlignment alignment_ = TAlignment::taCenter;
    bool adjustFrame_ = true;
    int vertMargin_ = 5;
};

// Below the plot, its first line lowest; red italic letters.
class TChartFootTitle : public TChartTitle {
    DECLARE_CLASS_INFO
public:
    explicit TChartFootTitle(TCustomAxisPanel* chart = nullptr);
};
