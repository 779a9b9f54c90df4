#include "device/forms/LogMemoLine.h"

void AddLogLine(TCustomMemo& memo, const std::string& line) {
    memo.Lines()->Add(line);
    memo.SetSelStart(-1);  // no selection: the caret at the end, scrolled into view
}
