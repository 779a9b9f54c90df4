#pragma once
// The shape control: a rectangle, square, rounded one, ellipse or circle
// drawn with its pen and filled with its brush; squares and circles take
// the shorter side and stand in the middle.

#include "ui/forms/CustomControl.h"

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
    DECLARE_CLASS_INFO
public:
    explicit TShape(TComponent* owner);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType value);
    TPen* Pen() { return &pen_; }
    void SetPen(const TPen* pen) { pen_.Assign(pen); }
    TBrush* Brush() { return &brush_; }
    void SetBrush(const TBrush* brush) { brush_.Assign(brush); }
    // The figure's box inside the control, the pen's width taken off.
    TRect ShapeRect() const;

protected:
    void Paint() override;

private:
    TShapeType shape_ = TShapeType::stRectangle;
    TPen pen_;
    TBrush brush_;
};
