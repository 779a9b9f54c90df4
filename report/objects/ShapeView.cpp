#include "report/objects/ShapeView.h"

#include "ui/core/PublishedProperties.h"

namespace {

const TEnumInfo& ShapeKindInfo() {
    static const TEnumInfo info("TrpShapeKind", {"skRectangle", "skRoundRectangle", "skEllipse", "skTriangle",
                                                 "skDiamond", "skDiagonal1", "skDiagonal2"});
    return info;
}

}  // namespace

const TClassInfo& TrpShapeView::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpShapeView>("TrpShapeView", TrpView::StaticClass())
            .Enumeration("BrushStyle", BrushStyleInfo(), &TrpView::BrushStyle, &TrpView::SetBrushStyle, 0)
            .Integer("Color", &TrpView::Color, &TrpView::SetColor, clNone)
            .Integer("Curve", &TrpShapeView::Curve, &TrpShapeView::SetCurve, 0)
            .Object("Frame", &TrpFrame::StaticClass, [](TrpShapeView& v) { return v.Frame(); }, &TrpView::SetFrame)
            .Enumeration("Shape", ShapeKindInfo(), &TrpShapeView::Shape, &TrpShapeView::SetShape, 0)
            .Build();
    return info;
}

TrpShapeView::TrpShapeView(TComponent* owner) : TrpView(owner) { RemoveStyleFlag(kStyleFullPreparedForm); }
