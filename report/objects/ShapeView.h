#pragma once
// Shape views: rectangles, rounded rectangles, ellipses, triangles,
// diamonds and diagonals, outlined in the frame's colour, style and width
// and filled with the view's colour and hatch.

#include "report/objects/View.h"
#include "platform/gdi/GdiTypes.h"
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

    // A double frame draws the shape twice, the second time inside the first.
    void Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
    std::string DifferenceText(const TrpComponent& reference) const override;

private:
    void PaintShape();
    void Figure(platform::HDC dc);

    int curve_ = 0;
    TrpShapeKind shape_ = TrpShapeKind::skRectangle;
};
