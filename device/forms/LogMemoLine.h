#pragma once
// A line added to a window's text log, kept in view: the caret goes to the
// end, so the log scrolls to its latest line.

#include "ui/controls/CustomEdit.h"

#include <string>

void AddLogLine(TCustomMemo& memo, const std::string& line);
