#include "viewer/streamlog/StreamLogReader.h"

#include "common/FileHelpers.h"
#include "ui/core/FloatFormatting.h"
#include "ui/core/Rounding.h"
#include "viewer/log/LogFileRefusal.h"
#include "viewer/streamlog/StreamFraming.h"

#include <algorithm>

namespace {

// Far more than the tables take, so a longer file still reaches the table end.
constexpr std::size_t kLargestStreamLog = 0xFFFFFFF;
constexpr std::int32_t kOneG = 1000;  // mg
constexpr std::int32_t kProgressEvery = 100;
constexpr int kWholePercent = 100;
// Integration lines written from the launch on.
constexpr int kIntegrationLines = 30;
constexpr int kSignificantDigits = 15;

// The locale-style grouped number of the text log.
std::string GroupedNumber(double value, int decimals) {
    return FloatToStrF(value, TFloatFormat::ffNumber, kSignificantDigits, decimals);
}

bool IsWholePacket(std::span<const std::uint8_t> packet, std::uint8_t type) {
    return packet.size() >= (type == kSensorPacketType ? kSensorPacketFieldBytes : kGpsPacketFieldBytes);
}

}  // namespace

StreamLoadResult StreamLogReader::LoadStreamLog(const std::string& fileName) {
    FileContents file = ReadRegularFile(fileName, kLargestStreamLog);
    if (std::optional<std::string> refusal = LogFileRefusal(file, fileName)) {
        StreamLoadResult result;
        result.Messages.push_back(*refusal);
        return result;
    }
    return DecodeStream(file.bytes);
}

void StreamLogReader::StartLoad() {
    index_ = stored_ = 0;
    altitudeBase_ = lastAltitude_ = 0;
    pendingFix_.reset();
    lastFix_ = GpsFix{};
    recordsSinceLaunch_ = 0;
    burnoutNoted_ = false;
    lastPercent_ = -1;
    integration_.ResetIntegration();
    tables_.RecordCount = 1;
    for (auto* steps : steps_) steps->StartLoad();
}

bool StreamLogReader::InPeriodSkip() const { return options_.Period && index_ < options_.Period->Start; }

bool StreamLogReader::PeriodEnded() const {
    return options_.Period && options_.Period->End > 0 && index_ >= options_.Period->End;
}

StreamLoadResult StreamLogReader::DecodeStream(std::span<const std::uint8_t> bytes) {
    StreamLoadResult result;
    result.FileSize = bytes.size();
    result.Opened = true;
    StartLoad();
    StreamDeframer frames(bytes);
    std::vector<std::uint8_t> packet;
    std::size_t damaged = 0;
    bool tableFull = false;
    while (!PeriodEnded() && frames.Next(packet)) {
        if (packet.empty()) continue;
        const std::uint8_t type = packet[0];
        if (type != kSensorPacketType && type != kGpsPacketType) continue;
        if (!IsWholePacket(packet, type)) {
            ++damaged;
            continue;
        }
        if (type == kGpsPacketType) {
            pendingFix_ = lastFix_ = DecodeGpsPacket(packet);
            continue;
        }
        if (index_ >= kFlightTableSlots) {
            tableFull = true;
            break;
        }
        if (InPeriodSkip()) {
            // Nothing of an earlier load may show through the skipped slots.
            tables_.FlightRecords[index_] = FlightRecord{};
        } else {
            StoreSensorRecord(packet, result);
            if ((index_ - (options_.Period ? options_.Period->Start : 0)) % kProgressEvery == 0)
                ReportProgress(frames.Offset(), bytes.size());
        }
        ++index_;
        tables_.RecordCount = index_ + 1;
    }
    result.RecordCount = index_;
    result.ReachedFileEnd = !PeriodEnded() && !tableFull;
    if (!burnoutNoted_) {
        result.Speed = integration_.Speed();
        result.Altitude = integration_.Altitude();
    }
    if (tableFull)
        result.Messages.push_back("Лог длиннее таблиц данных: загружено записей " + std::to_string(index_) +
                                  ", остаток файла не прочитан");
    if (frames.EndedInsideFrame() && result.ReachedFileEnd)
        result.Messages.push_back("Файл лога обрывается внутри пакета: загружено записей " + std::to_string(index_) +
                                  ", неполный последний пакет пропущен");
    damaged += frames.BrokenFrames();
    if (damaged > 0)
        result.Messages.push_back("В файле лога повреждены пакеты, они пропущены: " + std::to_string(damaged));
    return result;
}

void StreamLogReader::StoreSensorRecord(std::span<const std::uint8_t> packet, StreamLoadResult& result) {
    FlightRecord record = DecodeSensorPacket(packet);
    const std::int32_t accelerationZ = record[FlightField::AccelerationZ];
    if (options_.Compensate1G) record[FlightField::AccelerationZ] -= kOneG;
    record[FlightField::BaroAltitude] = LimitedAltitude(record[FlightField::BaroAltitude]);
    Integrate(accelerationZ, record, result);
    const auto errorFlags = static_cast<std::uint32_t>(record[FlightField::ErrorFlags]);
    result.Errors.Count(errorFlags);
    // The first servo's trace shows where the controller reported errors.
    constexpr std::int32_t kErrorMark = 100;
    record[FlightField::Servo1] = errorFlags != 0 ? kErrorMark : 0;
    if (pendingFix_) {
        record[FlightField::Latitude] = pendingFix_->Latitude;
        record[FlightField::Longitude] = pendingFix_->Longitude;
        record[FlightField::GpsStatus] = pendingFix_->Status;
        record[FlightField::GpsSpeed] = pendingFix_->Speed;
        record[FlightField::GpsAltitude] = pendingFix_->Altitude;
        pendingFix_.reset();
    }
    tables_.FlightRecords[index_] = record;
    for (auto* steps : steps_) steps->AppendStreamRecord(record, lastFix_, stored_ == 0);
    ++stored_;
}

std::int32_t StreamLogReader::LimitedAltitude(std::int32_t raw) {
    if (stored_ == 0) {
        altitudeBase_ = raw;
        lastAltitude_ = 0;
        return 0;
    }
    const std::int32_t limit = options_.AltitudeStepLimit;
    lastAltitude_ = std::clamp(raw - altitudeBase_, lastAltitude_ - limit, lastAltitude_ + limit);
    return lastAltitude_;
}

void StreamLogReader::Integrate(std::int32_t accelerationZ, FlightRecord& record, StreamLoadResult& result) {
    WorkingRecord working;
    integration_.IntegrateAcceleration(accelerationZ, working);
    record[FlightField::AccelSpeed] = working.AccelSpeed;
    record[FlightField::AccelAltitude] = working.AccelAltitude;
    if (!integration_.Launched()) return;
    if (!integration_.BurnedOut() && recordsSinceLaunch_ < kIntegrationLines) {
        ++recordsSinceLaunch_;
        const std::string line = "Acc:" + GroupedNumber(integration_.Average(), 1) +
                                 "  Spd:" + GroupedNumber(integration_.Speed(), 8) +
                                 "  Alt:" + GroupedNumber(integration_.Altitude(), 8);
        for (auto* steps : steps_) steps->AddLogLine(line);
    }
    if (integration_.BurnedOut() && !burnoutNoted_) {
        burnoutNoted_ = true;
        result.Speed = integration_.Speed();
        result.Altitude = integration_.Altitude();
    }
}

void StreamLogReader::ReportProgress(std::size_t bytesRead, std::size_t size) {
    const bool byPeriod = options_.Period && options_.Period->End > options_.Period->Start;
    const double done = byPeriod ? double(index_ - options_.Period->Start) * kWholePercent /
                                       (options_.Period->End - options_.Period->Start)
                                 : double(bytesRead) * kWholePercent / double(size);
    const int percent = static_cast<int>(Round(done));
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    for (auto* steps : steps_) steps->ShowProgress(percent);
}
