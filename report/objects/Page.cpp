#include "report/objects/Page.h"

#include "ui/core/PublishedProperties.h"

const TClassInfo& TrpPage::StaticClass() {
    static const TClassInfo info =
        TPublished<TrpPage>("TrpPage", TrpComponent::StaticClass())
            .Object("Font", &TFont::StaticClass, [](TrpPage& p) { return p.Font(); }, &TrpComponent::SetFont)
            .Stored([](const TrpPage& p) { return !p.ParentFont(); })
            .Boolean("Visible", &TrpComponent::Visible, &TrpComponent::SetVisible, true)
            .Build();
    return info;
}

const TClassInfo& TrpReportPage::StaticClass() {
    static const TClassInfo info = TPublished<TrpReportPage>("TrpReportPage", TrpPage::StaticClass()).Build();
    return info;
}

const TClassInfo& TrpDialogPage::StaticClass() {
    static const TClassInfo info = TPublished<TrpDialogPage>("TrpDialogPage", TrpPage::StaticClass()).Build();
    return info;
}

const TClassInfo& TrpDataPage::StaticClass() {
    static const TClassInfo info = TPublished<TrpDataPage>("TrpDataPage", TrpPage::StaticClass())
                                       .Float("Height", &TrpComponent::Height, &TrpComponent::SetHeight)
                                       .Float("Left", &TrpComponent::Left, &TrpComponent::SetLeft)
                                       .Float("Top", &TrpComponent::Top, &TrpComponent::SetTop)
                                       .Float("Width", &TrpComponent::Width, &TrpComponent::SetWidth)
                                       .Build();
    return info;
}

TrpDataPage::TrpDataPage(TComponent* owner) : TrpPage(owner) {
    SetWidth(kSize);
    SetHeight(kSize);
}
