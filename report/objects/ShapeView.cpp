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
            .Integer("Color", &TrpShapeView::Color, &TrpShapeView::SetColor, clNone)
            .Integer("Curve", &TrpShapeView::Curve, &TrpShapeView::SetCurve, 0)
            .Enumeration("Shape", ShapeKindInfo(), &TrpShapeView::Shape, &TrpShapeView::SetShape, 0)
            .Build();
    return info;
}

TrpShapeView::TrpShapeView(TComponent* owner) : TrpView(owner) { RemoveStyleFlag(kStyleFullPreparedForm); }
