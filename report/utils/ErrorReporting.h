#pragma once
// Errors of a report's load or preparation, shown as its engine options say.

#include <string>

class TrpReport;

// A message box with the error icon and the caption of "mbError".
void rpShowError(const std::string& text);
// By the report's NewSilentMode: a message box, nothing, or Exception with the text.
void rpReportError(TrpReport& report, const std::string& text);
