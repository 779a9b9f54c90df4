#pragma once
// The published sets of the band kinds: each kind publishes the base set
// plus the properties it uses.

#include "report/bands/Band.h"
#include "ui/core/PublishedProperties.h"

template <class C>
void PublishBandBase(TPublished<C>& b) {
    b.Object("Font", &TFont::StaticClass, [](C& band) { return band.Font(); }, &TrpComponent::SetFont)
        .Stored([](const C& band) { return !band.ParentFont(); })
        .Float("Height", &TrpComponent::Height, &TrpComponent::SetHeight)
        .Float("Left", &TrpComponent::Left, &TrpComponent::SetLeft)
        .Boolean("ParentFont", &TrpComponent::ParentFont, &TrpComponent::SetParentFont, true)
        .Set("Restrictions", TrpRestrictionInfo(), &TrpComponent::Restrictions, &TrpComponent::SetRestrictions, 0)
        .Float("Top", &TrpComponent::Top, &TrpComponent::SetTop)
        .Boolean("Vertical", &TrpBand::Vertical, &TrpBand::SetVertical, false)
        .Boolean("Visible", &TrpComponent::Visible, &TrpComponent::SetVisible, true)
        .Float("Width", &TrpComponent::Width, &TrpComponent::SetWidth)
        .String("OnAfterCalcHeight", &TrpBand::OnAfterCalcHeight, &TrpBand::OnAfterCalcHeight)
        .String("OnAfterPrint", &TrpBand::OnAfterPrint, &TrpBand::OnAfterPrint)
        .String("OnBeforePrint", &TrpBand::OnBeforePrint, &TrpBand::OnBeforePrint);
}

template <class C>
void PublishChild(TPublished<C>& b) {
    b.Object("Child", &TrpChild::StaticClass, [](C& band) -> TObject* { return band.Child(); }, &TrpBand::SetChild);
}

template <class C>
void PublishNothing(TPublished<C>&) {}

template <class C>
void PublishFooterSet(TPublished<C>& b) {
    b.Boolean("AllowSplit", &TrpBand::AllowSplit, &TrpBand::SetAllowSplit, false);
    PublishChild(b);
    b.Boolean("KeepChild", &TrpBand::KeepChild, &TrpBand::SetKeepChild, false)
        .Boolean("PrintChildIfInvisible", &TrpBand::PrintChildIfInvisible, &TrpBand::SetPrintChildIfInvisible, false)
        .Boolean("Stretched", &TrpBand::Stretched, &TrpBand::SetStretched, false);
}

template <class C>
void PublishTitleSet(TPublished<C>& b) {
    PublishFooterSet(b);
    b.Boolean("StartNewPage", &TrpBand::StartNewPage, &TrpBand::SetStartNewPage, false);
}

template <class C>
void PublishPageHeaderSet(TPublished<C>& b) {
    PublishChild(b);
    b.Boolean("PrintChildIfInvisible", &TrpBand::PrintChildIfInvisible, &TrpBand::SetPrintChildIfInvisible, false)
        .Boolean("PrintOnFirstPage", &TrpPageHeader::PrintOnFirstPage, &TrpPageHeader::SetPrintOnFirstPage, true)
        .Boolean("Stretched", &TrpBand::Stretched, &TrpBand::SetStretched, false);
}

template <class C>
void PublishPageFooterSet(TPublished<C>& b) {
    b.Boolean("PrintOnFirstPage", &TrpPageFooter::PrintOnFirstPage, &TrpPageFooter::SetPrintOnFirstPage, true)
        .Boolean("PrintOnLastPage", &TrpPageFooter::PrintOnLastPage, &TrpPageFooter::SetPrintOnLastPage, true);
}

template <class C>
void PublishHeaderSet(TPublished<C>& b) {
    PublishTitleSet(b);
    b.Boolean("ReprintOnNewPage", &TrpHeader::ReprintOnNewPage, &TrpHeader::SetReprintOnNewPage, false);
}

template <class C>
void PublishGroupHeaderSet(TPublished<C>& b) {
    using G = TrpGroupHeader;
    PublishTitleSet(b);
    b.String("Condition", &G::Condition, &G::SetCondition)
        .Boolean("DrillDown", &G::DrillDown, &G::DrillDown, false)
        .String("DrillName", &G::DrillName, &G::DrillName)
        .Boolean("ExpandDrillDown", &G::ExpandDrillDown, &G::ExpandDrillDown, false)
        .Boolean("KeepTogether", &G::KeepTogether, &G::KeepTogether, false)
        .Boolean("ReprintOnNewPage", &G::ReprintOnNewPage, &G::ReprintOnNewPage, false)
        .String("OutlineText", &TrpBand::OutlineText, &TrpBand::SetOutlineText)
        .Boolean("ResetPageNumbers", &G::ResetPageNumbers, &G::ResetPageNumbers, false)
        .Boolean("ShowFooterIfDrillDown", &G::ShowFooterIfDrillDown, &G::ShowFooterIfDrillDown, false)
        .Boolean("ShowChildIfDrillDown", &G::ShowChildIfDrillDown, &G::ShowChildIfDrillDown, false);
}

template <class C>
void PublishGroupFooterSet(TPublished<C>& b) {
    PublishFooterSet(b);
    b.Boolean("HideIfSingleDataRecord", &TrpGroupFooter::HideIfSingleDataRecord,
              &TrpGroupFooter::HideIfSingleDataRecord, false);
}

template <class C>
void PublishColumnHeaderSet(TPublished<C>& b) {
    PublishChild(b);
    b.Boolean("Stretched", &TrpBand::Stretched, &TrpBand::SetStretched, false);
}

template <class C>
void PublishOverlaySet(TPublished<C>& b) {
    b.Boolean("PrintOnTop", &TrpOverlay::PrintOnTop, &TrpOverlay::PrintOnTop, false);
}
