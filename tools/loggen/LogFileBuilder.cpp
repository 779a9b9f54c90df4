#include "tools/loggen/LogFileBuilder.h"

#include "tools/loggen/FileBytes.h"

#include <algorithm>
#include <stdexcept>

namespace {

using Page = std::array<std::uint8_t, LogFileBuilder::kPageSize>;

void Put16(Page& page, std::size_t offset, std::uint16_t value) {
    page[offset] = static_cast<std::uint8_t>(value >> 8);
    page[offset + 1] = static_cast<std::uint8_t>(value);
}

void PutSensorRecord(Page& page, std::size_t start, const SensorRecordRaw& record) {
    Put16(page, start + 0, record.Roll);
    Put16(page, start + 2, record.Pitch);
    Put16(page, start + 4, record.Course);
    Put16(page, start + 6, record.AccelerationX);
    Put16(page, start + 8, record.AccelerationY);
    Put16(page, start + 10, record.AccelerationZ);
    Put16(page, start + 12, record.AngularRateX);
    Put16(page, start + 14, record.AngularRateY);
    Put16(page, start + 16, record.AngularRateZ);
    Put16(page, start + 18, record.Acceleration100g);
    Put16(page, start + 20, record.BaroAltitude);
    Put16(page, start + 22, record.PowerVoltage);
    page[start + 24] = record.Status;
    page[start + 25] = record.Event;
}

void PutShortRecord(Page& page, std::size_t start, const ShortRecordRaw& record) {
    Put16(page, start + 0, record.BaroAltitude);
    Put16(page, start + 2, record.PowerVoltage);
    page[start + 4] = record.Status;
    page[start + 5] = record.Event;
}

constexpr std::size_t kRecordsStart = 6;

Page NewDataPage(std::uint8_t type, std::uint8_t rate) {
    Page page{};
    page[0] = type;
    page[1] = rate;
    return page;
}

}  // namespace

void LogFileBuilder::AddHeaderPage(std::uint32_t deviceIdentity, const SettingsSnapshot& settings) {
    Page page{};
    for (int i = 0; i < 4; ++i) page[6 + i] = static_cast<std::uint8_t>(deviceIdentity >> (24 - 8 * i));
    std::copy(settings.Block1.begin(), settings.Block1.end(), page.begin() + 11);
    std::copy(settings.Block2.begin(), settings.Block2.end(), page.begin() + 50);
    Append(page);
}

void LogFileBuilder::AddSensorPage(std::uint8_t rate, std::span<const SensorRecordRaw> records) {
    if (records.size() > kSensorRecordsPerPage) throw std::invalid_argument("a page holds five sensor records");
    Page page = NewDataPage(1, rate);
    for (std::size_t i = 0; i < records.size(); ++i) PutSensorRecord(page, kRecordsStart + 50 * i, records[i]);
    Append(page);
}

void LogFileBuilder::AddShortPage(std::uint8_t rate, std::span<const ShortRecordRaw> records) {
    if (records.size() > kShortRecordsPerPage) throw std::invalid_argument("a page holds twenty-five short records");
    Page page = NewDataPage(2, rate);
    for (std::size_t i = 0; i < records.size(); ++i) PutShortRecord(page, kRecordsStart + 10 * i, records[i]);
    Append(page);
}

void LogFileBuilder::AddPageOfType(std::uint8_t type, std::uint8_t rate) {
    Append(NewDataPage(type, rate));
}

void LogFileBuilder::WriteTo(const std::string& fileName) const { WriteFileBytes(fileName, bytes_); }

void LogFileBuilder::Append(const Page& page) {
    bytes_.append(reinterpret_cast<const char*>(page.data()), page.size());
}
