#include "viewer/log/PagedLogDecoder.h"

#include "common/FileHelpers.h"
#include "viewer/log/LogFileRefusal.h"
#include "viewer/log/RecordScales.h"

#include <cstring>

namespace {

constexpr EventCode kLastTypeSensorEventRow = 50;
constexpr EventCode kLastTypeShortEventRow = 30;

std::int32_t TicksOf(RecordRate rate) {
    return rate == RecordRate::OneTick ? 1 : 10;
}

bool IsBurnout(EventCode code) {
    return code == 3 || code == 4;
}

// Far more pages than the tables can take, so a longer file still reaches the
// table end; bounds what a wrong pick reads into memory.
constexpr std::size_t kLargestLog = 0xFFFFFFF;

// A flight log has at least one data page of a known type; a file of zeros,
// text or other bytes has none.
bool HoldsRecordPages(const std::vector<std::uint8_t>& bytes) {
    for (std::size_t at = kLogPageSize; at + kLogPageSize <= bytes.size(); at += kLogPageSize)
        if (bytes[at] == kSensorPageType || bytes[at] == kShortPageType) return true;
    return false;
}

// Why the file cannot be shown as a flight log; nothing when it can.
std::optional<std::string> RefusalOf(const FileContents& file, const std::string& fileName) {
    if (std::optional<std::string> refusal = LogFileRefusal(file, fileName)) return refusal;
    if (!HoldsRecordPages(file.bytes))
        return "Файл " + fileName + " не является логом полёта: в нём нет ни одной страницы с записями";
    return std::nullopt;
}

}  // namespace

LogLoadResult PagedLogDecoder::LoadPagedLog(const std::string& fileName) {
    LogLoadResult result;
    result.LogFileSize = static_cast<std::uint32_t>(FileSizeByName(fileName));
    // Read whole before the tables are touched: a file that is not a log
    // leaves the flight on show as it was.
    FileContents file = ReadRegularFile(fileName, kLargestLog);
    if (std::optional<std::string> refusal = RefusalOf(file, fileName)) {
        result.Messages.push_back(*refusal);
        return result;
    }
    StartLoad();
    result.Opened = true;
    DecodePages(file.bytes.data(), file.bytes.size(), result);
    return result;
}

LogLoadResult PagedLogDecoder::DecodeLog(const std::uint8_t* bytes, std::size_t size) {
    StartLoad();
    LogLoadResult result;
    result.Opened = true;
    result.LogFileSize = static_cast<std::uint32_t>(size);
    DecodePages(bytes, size, result);
    return result;
}

void PagedLogDecoder::StartLoad() {
    tables_.RecordCount = 1;
    tables_.LogTime = 0;
    tables_.TickEventCount = 0;
    tables_.BurnoutTick = 0;
    current_ = WorkingRecord{};
    for (auto* steps : steps_) steps->ResetIntegration();
}

void PagedLogDecoder::DecodePages(const std::uint8_t* bytes, std::size_t size, LogLoadResult& result) {
    const std::size_t pages = size / kLogPageSize;
    for (std::size_t index = 0; index < pages; ++index) {
        std::memcpy(page_.data(), bytes + index * kLogPageSize, kLogPageSize);
        if (index == 0) {
            result.Header.emplace(page_);
            for (auto* steps : steps_) steps->ShowHeader(*result.Header);
            continue;
        }
        if (!DecodeDataPage(page_)) {
            result.StoppedAtTableEnd = true;
            result.Messages.push_back("Лог длиннее таблиц данных: загружено записей " +
                                      std::to_string(tables_.RecordCount - 1) + ", остаток файла не прочитан");
            return;
        }
        ++result.DataPagesDecoded;
    }
    result.TrailingBytes = size % kLogPageSize;
    if (result.TrailingBytes != 0)
        result.Messages.push_back("Неполная страница в конце файла лога пропущена: " +
                                  std::to_string(result.TrailingBytes) + " байт");
}

bool PagedLogDecoder::DecodeDataPage(const LogPage& page) {
    RecordRate rate = page[kPageRateByte] == kOneTickRate ? RecordRate::OneTick : RecordRate::TenTicks;
    switch (page[0]) {
    case kSensorPageType:
        return DecodeSensorPage(page, rate);
    case kShortPageType:
        return DecodeShortPage(page, rate);
    default:
        return SkipUnknownPage();
    }
}

bool PagedLogDecoder::DecodeSensorPage(const LogPage& page, RecordRate rate) {
    for (std::size_t i = 0; i < kSensorRecordsPerPage; ++i) {
        if (!RecordFits(rate)) return false;
        ParseSensorRecord(&page[kPageRecordsStart + kSensorRecordSize * i]);
        StoreRecord(rate);
        // The row of a sensor record shows the time after it.
        if (current_.Event > 0 && current_.Event <= kLastTypeSensorEventRow) AddEventRow(tables_.LogTime);
        ++tables_.RecordCount;
    }
    return true;
}

bool PagedLogDecoder::DecodeShortPage(const LogPage& page, RecordRate rate) {
    for (std::size_t i = 0; i < kShortRecordsPerPage; ++i) {
        if (!RecordFits(rate)) return false;
        ParseShortRecord(&page[kPageRecordsStart + kShortRecordSize * i]);
        // The row of a short record shows the time before it.
        if (current_.Event > 0 && current_.Event <= kLastTypeShortEventRow) AddEventRow(tables_.LogTime);
        StoreRecord(rate);
        ++tables_.RecordCount;
    }
    return true;
}

bool PagedLogDecoder::SkipUnknownPage() {
    // The page still takes a slot; clear it so no earlier load shows through.
    if (tables_.RecordCount - 1 >= kFlightTableSlots) return false;
    tables_.FlightRecords[tables_.RecordCount - 1] = FlightRecord{};
    ++tables_.RecordCount;
    return true;
}

void PagedLogDecoder::ParseSensorRecord(const std::uint8_t* record) {
    namespace at = sensor_record;
    auto raw = [record](std::size_t offset) { return ReadBigEndian16(record + offset); };
    auto integrate = [this](std::int32_t mg) {
        for (auto* steps : steps_) steps->IntegrateAcceleration(mg, current_);
    };
    current_.Roll = DecodeSigned(raw(at::Roll));
    current_.Pitch = DecodeSigned(raw(at::Pitch));
    current_.Course = DecodeSigned(raw(at::Course));
    current_.AccelerationX = DecodeAcceleration(raw(at::AccelerationX));
    current_.AccelerationY = DecodeAcceleration(raw(at::AccelerationY));
    current_.AccelerationZ = DecodeAcceleration(raw(at::AccelerationZ));
    if (options_.Range == AccelerometerRange::Range16g) integrate(current_.AccelerationZ);
    if (options_.Compensate1G) current_.AccelerationZ -= 1000;
    current_.AngularRateX = DecodeAngularRate(raw(at::AngularRateX));
    current_.AngularRateY = DecodeAngularRate(raw(at::AngularRateY));
    current_.AngularRateZ = DecodeAngularRate(raw(at::AngularRateZ));
    current_.Acceleration100g = DecodeAcceleration100g(raw(at::Acceleration100g));
    if (options_.Range == AccelerometerRange::Range100g) integrate(current_.Acceleration100g);
    if (options_.Compensate1G) current_.Acceleration100g -= 1000;
    current_.BaroAltitude = DecodeSigned(raw(at::BaroAltitude));
    current_.PowerVoltage = DecodeSigned(raw(at::PowerVoltage));
    current_.Event = record[at::Event];
}

void PagedLogDecoder::ParseShortRecord(const std::uint8_t* record) {
    namespace at = short_record;
    current_.Roll = current_.Pitch = current_.Course = 0;
    current_.AccelerationX = current_.AccelerationY = current_.AccelerationZ = 0;
    current_.AngularRateX = current_.AngularRateY = current_.AngularRateZ = 0;
    current_.Acceleration100g = 0;
    current_.BaroAltitude = DecodeSigned(ReadBigEndian16(record + at::BaroAltitude));
    current_.PowerVoltage = DecodeSigned(ReadBigEndian16(record + at::PowerVoltage));
    current_.Event = record[at::Event];
}

bool PagedLogDecoder::RecordFits(RecordRate rate) const {
    return tables_.RecordCount - 1 < kFlightTableSlots && tables_.TickEventCount + TicksOf(rate) <= kFlightTableSlots;
}

void PagedLogDecoder::StoreRecord(RecordRate rate) {
    tables_.FlightRecords[tables_.RecordCount - 1] = ToFlightRecord(current_);
    for (auto* steps : steps_) steps->AppendRecordToChart(current_, tables_.RecordCount, rate);
    const std::int32_t ticks = TicksOf(rate);
    tables_.LogTime += ticks;
    // The record's code fills its first tick; the rest of a long record has none.
    tables_.TickEvents[tables_.TickEventCount] = current_.Event;
    for (std::int32_t tick = 1; tick < ticks; ++tick) tables_.TickEvents[tables_.TickEventCount + tick] = 0;
    tables_.TickEventCount += ticks;
    if (IsBurnout(current_.Event)) tables_.BurnoutTick = tables_.LogTime;
}

void PagedLogDecoder::AddEventRow(std::int32_t logTime) {
    for (auto* steps : steps_) steps->AddEventRow(logTime, current_.Event);
}
