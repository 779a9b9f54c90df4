// The listing of GPS losses over the records the last load stored.

#include "viewer/forms/ErrorListForm.h"

#include "common/TextFormatting.h"
#include "viewer/mainform/MainForm.h"

namespace {

constexpr std::size_t kRecordsPerSecond = 100;

std::string RecordTimeText(std::size_t slot) {
    return std::to_string(slot / kRecordsPerSecond) + " : " + IntToZeroPaddedText(slot % kRecordsPerSecond, 2);
}

}  // namespace

std::vector<std::string> TForm3::GpsErrorLines(std::span<const FlightRecord> records) {
    std::vector<std::string> lines;
    bool inError = false;
    for (std::size_t slot = 0; slot < records.size(); ++slot) {
        const bool flagged = records[slot][FlightField::ErrorFlags] != 0;
        if (flagged == inError) continue;
        inError = flagged;
        lines.push_back(RecordTimeText(slot) +
                        (flagged ? "  -  Отсутствие данных от GPS!" : "  -  Востановлена связь с GPS !"));
    }
    return lines;
}

void TForm3::ListGpsErrors() {
    for (const std::string& line : GpsErrorLines(Form1->FlightData.StoredRecords())) skMemo1->Lines()->Add(line);
}
