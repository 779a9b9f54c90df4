#pragma once
// Report pages: the printed page with its objects, the dialog page, and
// the data page of the report's data components. (Paper, margins and columns come with the
// pages' own unit.)

#include "report/objects/ReportComponent.h"

class TrpPage : public TrpComponent {
    DECLARE_CLASS_INFO
public:
    using TrpComponent::TrpComponent;
};

class TrpReportPage : public TrpPage {
    DECLARE_CLASS_INFO
public:
    using TrpPage::TrpPage;
};

// A page that is a window at run time: its objects are placed in the
// window, so their absolute positions start at it. (The window, its
// published look and its script events come with the engine's windows.)
class TrpDialogPage : public TrpPage {
    DECLARE_CLASS_INFO
public:
    using TrpPage::TrpPage;
};

class TrpDataPage : public TrpPage {
    DECLARE_CLASS_INFO
public:
    explicit TrpDataPage(TComponent* owner);
    static constexpr double kSize = 1000;
};
