#pragma once
// The report: the root of a report's object tree, owner of all its objects,
// and the list of errors met while loading it. (Preparation, preview and
// printing come with the report component's own unit.)

#include "report/layout/DrawText.h"
#include "report/objects/ReportComponent.h"
#include "report/options/EngineOptions.h"
#include "ui/core/StringList.h"
#include "ui/variant/Variant.h"

#include <functional>
#include <string>

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
    // The text layout its memos measure and draw with.
    TrpDrawText& DrawText() { return drawText_; }
    // The value of one of the report's expressions, through Evaluator; an
    // error is listed and Null given while the report has no evaluator.
    Variant Calc(const std::string& expression);
    std::function<Variant(const std::string&)> Evaluator;
    // Set to stop a preparation (and its script) at the next check.
    bool Terminated() const { return terminated_; }
    void SetTerminated(bool value) { terminated_ = value; }

private:
    TStringList errors_;
    TrpEngineOptions engineOptions_;
    TrpXMLSerializer* currentReader_ = nullptr;
    TrpDrawText drawText_;
    bool terminated_ = false;
};
