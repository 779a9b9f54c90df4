#include "report/utils/ErrorReporting.h"

#include "report/objects/Report.h"
#include "report/resources/Resources.h"
#include "ui/core/Exceptions.h"
#include "ui/forms/Application.h"

void rpShowError(const std::string& text) {
    Application->MessageBox(text, rpResourceManager().Get("mbError"), MB_OK | MB_ICONERROR);
}

void rpReportError(TrpReport& report, const std::string& text) {
    switch (report.EngineOptions().NewSilentMode) {
        case TrpSilentMode::simMessageBoxes: rpShowError(text); break;
        case TrpSilentMode::simSilent: break;
        case TrpSilentMode::simReThrow: throw Exception(text);
    }
}
