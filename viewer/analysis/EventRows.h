#pragma once
// The event list's rows written while a log loads: a first row for the
// start of the log, then one row per record with an event. The grid always
// keeps one empty row at its end.

#include "viewer/log/LogRecordSteps.h"

#include <string>
#include <vector>

class TStringGrid;

// "m : ss,hh" of a log time in ticks of 10 ms; minutes are not padded.
std::string EventRowTimeText(std::int32_t logTime);

// Blanks the rows after the first, leaves the header and the row of the
// start of the log, then the empty row.
void StartEventList(TStringGrid& grid);

// Rows are gathered while the log decodes and written into the grid by
// WriteRows, so a log with an event in every record costs one grid resize.
class EventRowSteps : public LogRecordSteps {
public:
    explicit EventRowSteps(TStringGrid& grid) : grid_(grid) {}
    void AddEventRow(std::int32_t logTime, EventCode code) override;
    // Appends the gathered rows before the grid's empty last row.
    void WriteRows();

private:
    struct Row {
        std::int32_t LogTime;
        EventCode Code;
    };
    TStringGrid& grid_;
    std::vector<Row> rows_;
};
