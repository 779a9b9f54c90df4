#pragma once
// The chart's text titles: above the plot (Title, SubTitle) or below it
// (Foot, SubFoot). A title placed by the chart takes its height off the plot
// rectangle; one with a custom position keeps its own place. The rectangle
// last drawn is where a click finds it.

#include "chart/ChartTypes.h"
#include "ui/TextAlignment.h"

#include <string>
#include <vector>

class TCustomAxisPanel;

class TChartTitle {
public:
    TChartTitle(TCustomAxisPanel* chart, bool onTop);

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    const std::vector<std::string>& Text() const { return text_; }
    void SetText(const std::vector<std::string>& lines);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool value);
    int VertMargin() const { return vertMargin_; }
    void SetVertMargin(int value);
    bool CustomPosition() const { return customPosition_; }
    void SetCustomPosition(bool value);
    // Either edge turns the custom position on.
    int Left() const { return rect_.Left; }
    void SetLeft(int value);
    int Top() const { return rect_.Top; }
    void SetTop(int value);
    bool OnTop() const { return onTop_; }
    void Assign(const TChartTitle& source);

    // Measures and draws the lines; a title the chart places takes its room from the plot.
    void Draw();
    // Visible and the point in the rectangle last drawn, edges included.
    bool HitAt(int x, int y) const;
    const TRect& TitleRect() const { return rect_; }

private:
    void Changed();
    TCustomAxisPanel* chart_;
    bool onTop_;
    bool visible_ = true;
    std::vector<std::string> text_;
    TAlignment alignment_ = TAlignment::taCenter;
    bool adjustFrame_ = true;
    int vertMargin_ = 5;
    bool customPosition_ = false;
    TRect rect_;
};
