#include "ui/controls/Bevel.h"

#include "ui/core/PublishedProperties.h"

namespace {

const TEnumInfo& BevelShapeInfo() {
    static const TEnumInfo info("TBevelShape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine",
                                                "bsRightLine", "bsSpacer"});
    return info;
}

const TEnumInfo& BevelStyleInfo() {
    static const TEnumInfo info("TBevelStyle", {"bsLowered", "bsRaised"});
    return info;
}

void Line(TCanvas& c, TColor color, int x1, int y1, int x2, int y2) {
    c.Pen()->SetColor(color);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// The top and left edges in one colour, the bottom and right in the other.
void Box(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight) {
    Line(c, topLeft, r.Left, r.Bottom - 1, r.Left, r.Top);
    Line(c, topLeft, r.Left, r.Top, r.Right - 1, r.Top);
    Line(c, bottomRight, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
    Line(c, bottomRight, r.Right - 1, r.Bottom - 1, r.Left - 1, r.Bottom - 1);
}

}  // namespace

const TClassInfo& TBevel::StaticClass() {
    static const TClassInfo info =
        TPublished<TBevel>("TBevel", TGraphicControl::StaticClass())
            .Enumeration("Shape", BevelShapeInfo(), &TBevel::Shape, &TBevel::SetShape, 0)
            .Enumeration("Style", BevelStyleInfo(), &TBevel::Style, &TBevel::SetStyle, 0)
            .Build();
    return info;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) { SetBounds(Left(), Top(), 50, 50); }

void TBevel::SetShape(TBevelShape value) {
    if (value == shape_) return;
    shape_ = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
    if (value == style_) return;
    style_ = value;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas& c = *Canvas();
    bool lowered = style_ == TBevelStyle::bsLowered;
    TColor first = lowered ? clBtnShadow : clBtnHighlight;
    TColor second = lowered ? clBtnHighlight : clBtnShadow;
    int w = Width(), h = Height();
    switch (shape_) {
        case TBevelShape::bsBox: Box(c, {0, 0, w, h}, first, second); break;
        case TBevelShape::bsFrame:
            // Two boxes, one pixel apart, give the etched look.
            Box(c, {0, 0, w - 1, h - 1}, first, first);
            Box(c, {1, 1, w, h}, second, second);
            break;
        case TBevelShape::bsTopLine:
            Line(c, first, 0, 0, w, 0);
            Line(c, second, 0, 1, w, 1);
            break;
        case TBevelShape::bsBottomLine:
            Line(c, first, 0, h - 2, w, h - 2);
            Line(c, second, 0, h - 1, w, h - 1);
            break;
        case TBevelShape::bsLeftLine:
            Line(c, first, 0, 0, 0, h);
            Line(c, second, 1, 0, 1, h);
            break;
        case TBevelShape::bsRightLine:
            Line(c, first, w - 2, 0, w - 2, h);
            Line(c, second, w - 1, 0, w - 1, h);
            break;
        case TBevelShape::bsSpacer: break;
    }
}
