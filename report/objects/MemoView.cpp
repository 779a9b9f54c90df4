#include "report/objects/MemoView.h"

#include "ui/core/PublishedProperties.h"

const TClassInfo& TrpCustomMemoView::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpCustomMemoView>("TrpCustomMemoView", TrpStretcheable::StaticClass()).Build();
    return info;
}

TrpCustomMemoView::TrpCustomMemoView(TComponent* owner) : TrpStretcheable(owner) {
    RemoveStyleFlag(kStyleFullPreparedForm);
}

const TClassInfo& TrpMemoView::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpMemoView>("TrpMemoView", TrpCustomMemoView::StaticClass())
            .Integer("Color", &TrpView::Color, &TrpView::SetColor, clNone)
            .Object("Font", &TFont::StaticClass, [](TrpMemoView& m) { return m.Font(); }, &TrpComponent::SetFont)
            .Stored([](const TrpMemoView& m) { return !m.ParentFont(); })
            .Object("Memo", &TWideStrings::StaticClass, [](TrpMemoView& m) { return m.Memo(); },
                    &TrpCustomMemoView::SetMemo)
            .Boolean("ParentFont", &TrpComponent::ParentFont, &TrpComponent::SetParentFont)
            .Build();
    return info;
}
