#pragma once
// Shape views: rectangles, rounded rectangles, ellipses, triangles,
// diamonds and diagonals. (Their drawing comes with the views' own unit.)

#include "report/objects/View.h"
#include "ui/graphics/Colors.h"

enum class TrpShapeKind { skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiamond, skDiagonal1, skDiagonal2 };

class TrpShapeView : public TrpView {
    DECLARE_CLASS_INFO
public:
    explicit TrpShapeView(TComponent* owner);

    int Curve() const { return curve_; }
    void SetCurve(int value) { curve_ = value; }
    TrpShapeKind Shape() const { return shape_; }
    void SetShape(TrpShapeKind value) { shape_ = value; }

private:
    int curve_ = 0;
    TrpShapeKind shape_ = TrpShapeKind::skRectangle;
};
