#pragma once
// Decodes a stream log into the flight-data tables: one record a sensor
// packet, slot by slot from 0, each GPS fix into the slot of the sensor
// record after it; the barometric altitude relative to the first record and
// rate-limited; the accelerometer integration; the error counts. The whole
// file or a period of it.

#include "viewer/analysis/AccelerometerIntegration.h"
#include "viewer/log/FlightTables.h"
#include "viewer/streamlog/StreamErrorCounts.h"
#include "viewer/streamlog/StreamPackets.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Records (hundredths of a second) from Start up to End; End 0 reads to the
// end of the file.
struct StreamPeriod {
    std::int32_t Start = 0;
    std::int32_t End = 0;
};

struct StreamLoadOptions {
    // Subtract 1 g from the stored Z acceleration.
    bool Compensate1G = false;
    // The most the barometric altitude moves from one record to the next, 0.1 m.
    std::int32_t AltitudeStepLimit = 30;
    std::optional<StreamPeriod> Period;
};

// What a window attaches to a stream load.
class StreamLogSteps {
public:
    virtual ~StreamLogSteps() = default;
    // The file has been read and the load begins; not called for a file that cannot be read.
    virtual void StartLoad() {}
    // Percent of the file or of the period, whenever it changes, every 100 records.
    virtual void ShowProgress(int /*percent*/) {}
    // After a record was stored; `lastFix` is the latest GPS fix read,
    // `seed` marks the first record of the load, which starts the smoothing.
    virtual void AppendStreamRecord(const FlightRecord&, const GpsFix& /*lastFix*/, bool /*seed*/) {}
    // A line of the integration's start for the text log.
    virtual void AddLogLine(const std::string&) {}
};

struct StreamLoadResult {
    // False when the file could not be read or was empty: the tables and
    // the steps were not touched, and Messages says why.
    bool Opened = false;
    std::uint64_t FileSize = 0;
    // Records counted, those a period skipped included.
    std::int32_t RecordCount = 0;
    // The load read to the end of the file, not to the end of a period.
    bool ReachedFileEnd = false;
    StreamErrorCounts Errors;
    // Speed (m/s) and altitude (m) by accelerometer at burnout, or at the
    // end without a burnout.
    double Speed = 0;
    double Altitude = 0;
    // What the user should be told: a damaged or cut-off file, a log longer than the tables.
    std::vector<std::string> Messages;
};

class StreamLogReader {
public:
    StreamLogReader(FlightTables& tables, StreamLoadOptions options) : tables_(tables), options_(options) {}

    // Steps run in the order attached; the reader does not own them.
    void Attach(StreamLogSteps& steps) { steps_.push_back(&steps); }

    // Reads the file into memory first: nothing past its end is ever read.
    StreamLoadResult LoadStreamLog(const std::string& fileName);
    StreamLoadResult DecodeStream(std::span<const std::uint8_t> bytes);

private:
    void StartLoad();
    bool InPeriodSkip() const;
    bool PeriodEnded() const;
    void StoreSensorRecord(std::span<const std::uint8_t> packet, StreamLoadResult& result);
    std::int32_t LimitedAltitude(std::int32_t raw);
    void Integrate(std::int32_t accelerationZ, FlightRecord& record, StreamLoadResult& result);
    void ReportProgress(std::size_t bytesRead, std::size_t size);

    FlightTables& tables_;
    StreamLoadOptions options_;
    std::vector<StreamLogSteps*> steps_;
    AccelerometerIntegration integration_;
    std::int32_t index_ = 0;
    std::int32_t stored_ = 0;
    std::int32_t altitudeBase_ = 0;
    std::int32_t lastAltitude_ = 0;
    std::optional<GpsFix> pendingFix_;
    GpsFix lastFix_;
    int recordsSinceLaunch_ = 0;
    bool burnoutNoted_ = false;
    int lastPercent_ = -1;
};
