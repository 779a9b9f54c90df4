#include "report/objects/LineView.h"

#include "ui/core/PublishedProperties.h"

const TClassInfo& TrpCustomLineView::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpCustomLineView>("TrpCustomLineView", TrpStretcheable::StaticClass()).Build();
    return info;
}

TrpCustomLineView::TrpCustomLineView(TComponent* owner) : TrpStretcheable(owner) {
    RemoveStyleFlag(kStyleFullPreparedForm);
}

const TClassInfo& TrpLineView::StaticClass() {
    using L = TrpCustomLineView;
    static const TClassInfo info = TPublished<TrpLineView>("TrpLineView", TrpCustomLineView::StaticClass())
                                       .Boolean("ArrowEnd", &L::ArrowEnd, &L::SetArrowEnd, false)
                                       .Integer("ArrowLength", &L::ArrowLength, &L::SetArrowLength, L::kDefaultArrowLength)
                                       .Boolean("ArrowSolid", &L::ArrowSolid, &L::SetArrowSolid, false)
                                       .Boolean("ArrowStart", &L::ArrowStart, &L::SetArrowStart, false)
                                       .Integer("ArrowWidth", &L::ArrowWidth, &L::SetArrowWidth, L::kDefaultArrowWidth)
                                       .Object("Frame", &TrpFrame::StaticClass,
                                               [](TrpLineView& v) { return v.Frame(); }, &TrpView::SetFrame)
                                       .Boolean("Diagonal", &L::Diagonal, &L::SetDiagonal, false)
                                       .Build();
    return info;
}
