#pragma once
// The track bar: a thumb on a channel between Min and Max, with tick marks
// every Frequency positions, dragged by the mouse, stepped by a page toward
// a click on the channel and by the arrow, page and Home/End keys. A move by
// the user runs OnChange; setting Position from code runs nothing. The
// window answers the track-bar messages for its channel, thumb and ticks.

#include "ui/forms/CustomControl.h"

enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum class TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TCustomControl {
    DECLARE_CLASS_INFO
public:
    explicit TTrackBar(TComponent* owner);

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    void SetPosition(int value);
    int Frequency() const { return frequency_; }
    void SetFrequency(int value);
    int LineSize = 1;
    int PageSize = 2;
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation value);
    TTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTickMark value);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickStyle(TTickStyle value);
    // The thumb's size across the channel.
    int ThumbLength() const { return thumbLength_; }
    void SetThumbLength(int value);

    // In client coordinates, across and along as the bar lies.
    TRect ChannelRect() const;
    TRect ThumbRect() const;
    // The tick marks' places along the bar (client coordinates), ends included.
    std::vector<int> TickPositions() const;
    // The position whose thumb centre is nearest a point along the bar.
    int PositionAt(int along) const;

    TNotifyEvent OnChange;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    bool DoKeyDown(platform::WORD& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Paint() override;
    virtual void Changed();

private:
    bool Vertical() const { return orientation_ == TTrackBarOrientation::trVertical; }
    int Along(int position) const;
    // A move the user made: stored, shown and told.
    void UserMove(int position);

    int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
    TTickMark tickMarks_ = TTickMark::tmBottomRight;
    TTickStyle tickStyle_ = TTickStyle::tsAuto;
    int thumbLength_ = 20;
    int dragOffset_ = -1;  // pointer's distance from the thumb's leading edge while dragging, -1 when not
};
