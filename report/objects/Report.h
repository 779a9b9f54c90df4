#pragma once
// The report: the root of a report's object tree, owner of all its objects,
// and the list of errors met while loading it. (Preparation, preview and
// printing come with the report component's own unit.)

#include "report/objects/ReportComponent.h"
#include "report/options/EngineOptions.h"
#include "ui/core/StringList.h"

class TrpXMLSerializer;

class TrpReport : public TrpComponent {
    DECLARE_CLASS_INFO
public:
    explicit TrpReport(TComponent* owner);

    TStringList& Errors() { return errors_; }
    TrpEngineOptions& EngineOptions() { return engineOptions_; }
    // The serializer reading an object of the report, while one does.
    TrpXMLSerializer* CurrentReader() const { return currentReader_; }
    void SetCurrentReader(TrpXMLSerializer* reader) { currentReader_ = reader; }

private:
    TStringList errors_;
    TrpEngineOptions engineOptions_;
    TrpXMLSerializer* currentReader_ = nullptr;
};
