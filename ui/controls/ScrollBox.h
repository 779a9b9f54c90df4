#pragma once
// Scrolling containers: a window whose children lie on an area larger than
// its client area. Each axis has a TControlScrollBar (Range, Position,
// Increment); with AutoScroll the ranges follow the children's extent. A new
// position moves the children; the window's own scroll bars move it, and a
// child that takes the focus is brought into view. The wheel is left to the
// OnMouseWheelUp / OnMouseWheelDown handlers (and then to the parent).

#include "ui/controls/CustomEdit.h"
#include "ui/controls/ScrollBar.h"
#include "ui/forms/WinControl.h"

class TScrollingWinControl;

using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class TControlScrollBar : public TPersistent {
    DECLARE_CLASS_INFO
public:
    TControlScrollBar(TScrollingWinControl& control, TScrollBarKind kind) : control_(control), kind_(kind) {}
    TScrollBarKind Kind() const { return kind_; }
    // 0 .. Range - the client size; a new position moves the children.
    int Position() const { return position_; }
    void SetPosition(int value);
    // The extent of the scrolled area along this axis; with AutoScroll set by the children.
    int Range() const { return range_; }
    void SetRange(int value);
    // Pixels of a line step (an arrow); a page is nine tenths of the client size.
    int Increment = 8;
    // The thumb moves the children while it is dragged, not only when let go.
    bool Tracking = false;
    // Space kept below (right of) the lowest child when AutoScroll sets the range.
    int Margin = 0;
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Shown now: visible and the range exceeds the client size.
    bool IsScrollBarVisible() const;
    void Assign(const TPersistent* source) override;

private:
    friend class TScrollingWinControl;
    bool IsVertical() const;
    int ClientSize() const;
    int MaxPosition() const;
    void Update();
    void ScrollMessage(platform::WORD code, int thumbPos);

    TScrollingWinControl& control_;
    TScrollBarKind kind_;
    int position_ = 0;
    int range_ = 0;
    bool visible_ = true;
};

class TScrollingWinControl : public TWinControl {
    DECLARE_CLASS_INFO
public:
    explicit TScrollingWinControl(TComponent* owner);

    TControlScrollBar* HorzScrollBar() { return &horz_; }
    TControlScrollBar* VertScrollBar() { return &vert_; }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value);
    // Moves every child by (dx, dy); positive values move them right and down.
    void ScrollBy(int dx, int dy);
    // Scrolls as little as brings the child (or a child of a child) whole into view.
    void ScrollInView(TControl* control);

    TMouseWheelUpDownEvent OnMouseWheelUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;

    void Dispatch(TMessage& message) override;
    void AlignControls() override;

protected:
    void CreateHandle() override;
    void Resize() override;
    bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos) override;
    // Sets the ranges from the children's extent.
    void CalcAutoRange();
    void UpdateScrollBars();

private:
    friend class TControlScrollBar;
    TControlScrollBar horz_{*this, TScrollBarKind::sbHorizontal};
    TControlScrollBar vert_{*this, TScrollBarKind::sbVertical};
    bool autoScroll_ = true;
    bool updatingBars_ = false;
    int scrolling_ = 0;
};

class TScrollBox : public TScrollingWinControl {
    DECLARE_CLASS_INFO
public:
    explicit TScrollBox(TComponent* owner);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};
