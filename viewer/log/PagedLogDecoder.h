#pragma once
// Decodes a paged flight log into the flight-data tables, page by page and
// record by record, handing each record and event to the attached steps.

#include "viewer/log/FlightTables.h"
#include "viewer/log/LogHeaderPage.h"
#include "viewer/log/LogPage.h"
#include "viewer/log/LogRecordSteps.h"
#include "viewer/log/WorkingRecord.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Which acceleration goes to the integration.
enum class AccelerometerRange {
    Range16g,   // the Z acceleration
    Range100g,  // the 100 g accelerometer
};

struct LogDecodeOptions {
    // Subtract 1 g from the Z and 100 g accelerations as they are stored.
    bool Compensate1G = false;
    AccelerometerRange Range = AccelerometerRange::Range16g;
};

struct LogLoadResult {
    // False when the file could not be opened or read, was empty, was not a
    // regular file or was not a flight log: then the tables and the steps
    // were not touched, and Messages says why.
    bool Opened = false;
    // Low 32 bits of the file's size; 0 when it is not found.
    std::uint32_t LogFileSize = 0;
    std::optional<LogHeaderPage> Header;
    std::size_t DataPagesDecoded = 0;
    // Bytes of a part page at the end, which cannot be decoded.
    std::size_t TrailingBytes = 0;
    // The log holds more than the tables do; decoding stopped before the
    // first record that did not fit.
    bool StoppedAtTableEnd = false;
    // What the user should be told, in order (failures, skipped parts).
    std::vector<std::string> Messages;
};

class PagedLogDecoder {
public:
    explicit PagedLogDecoder(FlightTables& tables, LogDecodeOptions options = {}) : tables_(tables), options_(options) {}

    // Steps run in the order attached; the decoder does not own them.
    void Attach(LogRecordSteps& steps) { steps_.push_back(&steps); }

    // Reads the file into memory and decodes it; the tables' counters are
    // reset only once the file has been read and holds a page of records.
    LogLoadResult LoadPagedLog(const std::string& fileName);
    // Decodes a log held in memory, `size` bytes from `bytes`, whatever it holds.
    LogLoadResult DecodeLog(const std::uint8_t* bytes, std::size_t size);

    const WorkingRecord& CurrentRecord() const { return current_; }

private:
    void StartLoad();
    void DecodePages(const std::uint8_t* bytes, std::size_t size, LogLoadResult& result);
    // False when the page's records do not fit the tables.
    bool DecodeDataPage(const LogPage& page);
    bool DecodeSensorPage(const LogPage& page, RecordRate rate);
    bool DecodeShortPage(const LogPage& page, RecordRate rate);
    bool SkipUnknownPage();
    void ParseSensorRecord(const std::uint8_t* record);
    void ParseShortRecord(const std::uint8_t* record);
    bool RecordFits(RecordRate rate) const;
    // Stores the working record, feeds the chart, advances the log time and
    // the tick entries, and notes a burnout.
    void StoreRecord(RecordRate rate);
    void AddEventRow(std::int32_t logTime);

    FlightTables& tables_;
    LogDecodeOptions options_;
    std::vector<LogRecordSteps*> steps_;
    WorkingRecord current_;
    LogPage page_{};
};
