#include "ui/controls/Shape.h"

#include "ui/core/PublishedProperties.h"

#include <algorithm>

namespace {

const TEnumInfo& ShapeTypeInfo() {
    static const TEnumInfo info("TShapeType",
                                {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"});
    return info;
}

bool IsSquare(TShapeType t) {
    return t == TShapeType::stSquare || t == TShapeType::stRoundSquare || t == TShapeType::stCircle;
}

}  // namespace

const TClassInfo& TShape::StaticClass() {
    static const TClassInfo info = TPublished<TShape>("TShape", TGraphicControl::StaticClass())
                                       .Enumeration("Shape", ShapeTypeInfo(), &TShape::Shape, &TShape::SetShape, 0)
                                       .Object("Pen", &TPen::StaticClass, [](TShape& s) { return &s.pen_; }, nullptr)
                                       .Object("Brush", &TBrush::StaticClass, [](TShape& s) { return &s.brush_; }, nullptr)
                                       .Build();
    return info;
}

TShape::TShape(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(Left(), Top(), 65, 65);
    pen_.OnChange = [this](TObject*) { Invalidate(); };
    brush_.OnChange = [this](TObject*) { Invalidate(); };
}

void TShape::SetShape(TShapeType value) {
    if (value == shape_) return;
    shape_ = value;
    Invalidate();
}

TRect TShape::ShapeRect() const {
    // The pen is centred on the outline: half of it inside each edge.
    int pw = pen_.Width(), half = pw / 2;
    int x = half, y = half;
    int w = Width() - pw + 1, h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    if (IsSquare(shape_)) {
        int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    return Bounds(x, y, w, h);
}

void TShape::Paint() {
    TCanvas& c = *Canvas();
    c.SetPen(&pen_);
    c.SetBrush(&brush_);
    TRect r = ShapeRect();
    int corner = std::min(r.Width(), r.Height()) / 4;
    switch (shape_) {
        case TShapeType::stRectangle:
        case TShapeType::stSquare: c.Rectangle(r); break;
        case TShapeType::stRoundRect:
        case TShapeType::stRoundSquare: c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, corner, corner); break;
        case TShapeType::stEllipse:
        case TShapeType::stCircle: c.Ellipse(r); break;
    }
}
