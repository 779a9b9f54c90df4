#pragma once
// The report window: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "ui/forms/Form.h"

class TReportForm2 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TReportForm2(TComponent* owner);
};

extern TReportForm2* ReportForm2;
