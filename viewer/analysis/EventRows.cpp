#include "viewer/analysis/EventRows.h"

#include "common/TextFormatting.h"
#include "ui/controls/Grids.h"
#include "viewer/log/EventNames.h"

namespace {

enum EventColumn { NumberColumn, TimeColumn, DescriptionColumn };
constexpr int kTicksPerMinute = 6000;
constexpr int kTicksPerSecond = 100;
constexpr int kSecondsPerMinute = 60;
// The header, the row of the start of the log, the empty row.
constexpr int kStartedRowCount = 3;

void WriteRow(TStringGrid& grid, int row, const std::string& number, std::int32_t logTime, const std::string& text) {
    grid.SetCells(NumberColumn, row, number);
    grid.SetCells(TimeColumn, row, EventRowTimeText(logTime));
    grid.SetCells(DescriptionColumn, row, text);
}

}  // namespace

std::string EventRowTimeText(std::int32_t logTime) {
    return std::to_string(logTime / kTicksPerMinute) + " : " +
           IntToZeroPaddedText(static_cast<std::uint64_t>(logTime / kTicksPerSecond % kSecondsPerMinute), 2) + "," +
           IntToZeroPaddedText(static_cast<std::uint64_t>(logTime % kTicksPerSecond), 2);
}

void StartEventList(TStringGrid& grid) {
    for (int row = 2; row < grid.RowCount(); ++row)
        for (int col = 0; col < grid.ColCount(); ++col) grid.SetCells(col, row, "");
    grid.SetRowCount(2);
    grid.SetRowCount(kStartedRowCount);
    WriteRow(grid, 1, "1", 0, " Начало записи лога");
}

void EventRowSteps::AddEventRow(std::int32_t logTime, EventCode code) {
    if (code > 0) rows_.push_back({logTime, code});
}

void EventRowSteps::WriteRows() {
    // The grid keeps one empty row at its end; new rows go before it.
    int row = grid_.RowCount() - 1;
    grid_.SetRowCount(grid_.RowCount() + static_cast<int>(rows_.size()));
    for (const Row& event : rows_) {
        WriteRow(grid_, row, std::to_string(row), event.LogTime,
                 "(" + std::to_string(event.Code) + ")" + EventNameText(event.Code));
        ++row;
    }
    rows_.clear();
}
