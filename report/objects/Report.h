#pragma once
// The report: the root of a report's object tree, owner of all its objects,
// and the list of errors met while loading it. (Preparation, preview and
// printing come with the report component's own unit.)

#include "report/objects/ReportComponent.h"
#include "ui/core/StringList.h"

class TrpReport : public TrpComponent {
    DECLARE_CLASS_INFO
public:
    explicit TrpReport(TComponent* owner);

    TStringList& Errors() { return errors_; }

private:
    TStringList errors_;
};
