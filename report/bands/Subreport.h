#pragma once
// A view that runs another report page inside its band; the subreport
// itself never goes to prepared pages, its page's output does.

#include "report/objects/View.h"

class TrpReportPage;

class TrpSubreport : public TrpView {
    DECLARE_CLASS_INFO
public:
    explicit TrpSubreport(TComponent* owner);
    ~TrpSubreport() override;

    // The page it runs (published as "Page"); the page finds its subreport with SubreportOfPage.
    TrpReportPage* SubreportPage() const { return page_; }
    void SetSubreportPage(TrpReportPage* page);
    bool PrintOnParent = false;

    // The view, then the subreport's name in its own font.
    void Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) override;
    std::string DescriptionText() const override { return "obSubRep"; }
    void Notification(TComponent* component, TOperation operation) override;

private:
    TrpReportPage* page_ = nullptr;
};

// The subreport that runs the page, or none.
TrpSubreport* SubreportOfPage(const TrpReportPage& page);
