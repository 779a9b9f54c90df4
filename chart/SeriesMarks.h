#pragma once
// The marks of a series: the text boxes that label its points. This holds
// what decides a mark's text and the positions the user moved marks to.

#include "chart/SeriesMarkPosition.h"

#include <functional>
#include <string>
#include <vector>

enum TSeriesMarksStyle {
    smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsLegend, smsPercentTotal,
    smsLabelPercentTotal, smsXValue, smsXY, smsSeriesTitle, smsPointIndex, smsPercentRelative
};

enum TLegendTextStyle {
    ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue, ltsValue, ltsPercent,
    ltsXAndValue, ltsXAndPercent
};

class TSeriesMarks {
public:
    explicit TSeriesMarks(std::function<void()> onChange = nullptr) : onChange_(std::move(onChange)) {}
    // The settings, not the stored positions.
    void Assign(const TSeriesMarks& source);
    TSeriesMarksStyle Style() const { return style_; }
    void SetStyle(TSeriesMarksStyle value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    std::vector<TSeriesMarkPosition>& Positions() { return positions_; }
    const std::vector<TSeriesMarkPosition>& Positions() const { return positions_; }

private:
    void Changed() {
        if (onChange_) onChange_();
    }
    std::function<void()> onChange_;
    TSeriesMarksStyle style_ = smsLabel;
    bool multiLine_ = false;
    bool visible_ = false;
    std::vector<TSeriesMarkPosition> positions_;
};
