#pragma once
// The event list's rows written while a log loads: a first row for the
// start of the log, then one row per record with an event. The grid always
// keeps one empty row at its end.

#include "viewer/log/LogRecordSteps.h"

#include <string>

class TStringGrid;

// "m : ss,hh" of a log time in ticks of 10 ms; minutes are not padded.
std::string EventRowTimeText(std::int32_t logTime);

// Blanks the rows after the first, leaves the header and the row of the
// start of the log, then the empty row.
void StartEventList(TStringGrid& grid);

class EventRowSteps : public LogRecordSteps {
public:
    explicit EventRowSteps(TStringGrid& grid) : grid_(grid) {}
    void AddEventRow(std::int32_t logTime, EventCode code) override;

private:
    TStringGrid& grid_;
};
