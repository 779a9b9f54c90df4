#include "viewer/log/PagedLogDecoder.h"

#include "tests/support/TempFolder.h"
#include "tests/viewer/RecordingSteps.h"
#include "tools/loggen/LogFileBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace {

class PagedLogDecoderTest : public ::testing::Test {
protected:
    LogLoadResult Decode(const std::string& bytes, LogDecodeOptions options = {}) {
        PagedLogDecoder decoder(tables, options);
        decoder.Attach(steps);
        LogLoadResult result = decoder.DecodeLog(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        current = decoder.CurrentRecord();
        return result;
    }
    LogLoadResult Load(const std::string& fileName) {
        PagedLogDecoder decoder(tables);
        decoder.Attach(steps);
        return decoder.LoadPagedLog(fileName);
    }
    std::int32_t RecordsLoaded() const { return tables.RecordCount - 1; }
    std::vector<EventCode> TickEntries() const {
        return std::vector<EventCode>(tables.TickEvents.get(), tables.TickEvents.get() + tables.TickEventCount);
    }

    FlightTables tables;
    RecordingSteps steps;
    WorkingRecord current;
};

LogFileBuilder LogWithHeader() {
    LogFileBuilder log;
    log.AddHeaderPage(0x01020304, {});
    return log;
}

SensorRecordRaw SensorWithEvent(std::uint8_t event) {
    SensorRecordRaw record;
    record.Event = event;
    return record;
}

}  // namespace

TEST_F(PagedLogDecoderTest, ASensorRecordSitsAtItsBytePositions) {
    // Written byte by byte rather than through the builder, to pin the layout.
    std::string bytes(3 * 256, '\0');
    auto page = [&](int p, int at, int value) { bytes[256 * p + at] = static_cast<char>(value); };
    page(0, 6, 0xDE), page(0, 7, 0xAD), page(0, 8, 0xBE), page(0, 9, 0xEF);
    page(0, 10, 0x11), page(0, 11, 0x21), page(0, 49, 0x22), page(0, 50, 0x31), page(0, 69, 0x32), page(0, 70, 0x41);
    page(1, 0, 1), page(1, 1, 1);
    page(1, 6, 0x80), page(1, 7, 0x01);    // record 0 roll: -32767
    page(1, 26, 0x00), page(1, 27, 0x7B);  // record 0 barometric altitude: 123
    page(1, 31, 5);                        // record 0 event
    page(1, 56, 0x80), page(1, 57, 0x00);  // record 1 roll: +32768
    page(1, 78, 0x01), page(1, 79, 0x02);  // record 1 power voltage: 258
    page(2, 0, 2), page(2, 1, 1);
    page(2, 6, 0xFF), page(2, 7, 0xFF);    // short record 0 altitude: -1
    page(2, 11, 9);                        // short record 0 event
    page(2, 18, 0x12), page(2, 19, 0x34);  // short record 1 power voltage

    LogLoadResult result = Decode(bytes);
    ASSERT_TRUE(result.Header.has_value());
    EXPECT_EQ(result.Header->DeviceIdentity(), 0xDEADBEEFu);
    EXPECT_EQ(DeviceIdentityLine(*result.Header), "ID = DEADBEEF");
    // The settings blocks run from page byte 11 to 49 and from 50 to 69.
    auto block1 = result.Header->EasyBlock1();
    auto block2 = result.Header->EasyBlock2();
    EXPECT_EQ(block1.front(), 0x21);
    EXPECT_EQ(block1.back(), 0x22);
    EXPECT_EQ(block2.front(), 0x31);
    EXPECT_EQ(block2.back(), 0x32);
    ASSERT_EQ(RecordsLoaded(), 5 + 25);
    EXPECT_EQ(tables.FlightRecords[0][FlightField::Roll], -32767);
    EXPECT_EQ(tables.FlightRecords[0][FlightField::BaroAltitude], 123);
    EXPECT_EQ(tables.TickEvents[0], 5);
    EXPECT_EQ(tables.FlightRecords[1][FlightField::Roll], 32768);
    EXPECT_EQ(tables.FlightRecords[1][FlightField::PowerVoltage], 258);
    EXPECT_EQ(tables.FlightRecords[5][FlightField::BaroAltitude], -1);
    EXPECT_EQ(tables.TickEvents[5], 9);
    EXPECT_EQ(tables.FlightRecords[6][FlightField::PowerVoltage], 0x1234);
}

TEST_F(PagedLogDecoderTest, EachSensorFieldHasItsScaleAndSignEdge) {
    struct FieldCase {
        std::uint16_t SensorRecordRaw::*raw;
        FlightField field;
        std::uint16_t value;
        std::int32_t decoded;
    };
    const FieldCase cases[] = {
        {&SensorRecordRaw::Roll, FlightField::Roll, 0x8000, 32768},
        {&SensorRecordRaw::Roll, FlightField::Roll, 0x8001, -32767},
        {&SensorRecordRaw::Pitch, FlightField::Pitch, 0xFFFF, -1},
        {&SensorRecordRaw::Course, FlightField::Course, 0x8001, -32767},
        {&SensorRecordRaw::AccelerationX, FlightField::AccelerationX, 0x0800, 1000},
        {&SensorRecordRaw::AccelerationX, FlightField::AccelerationX, 0xFFFD, 0},
        {&SensorRecordRaw::AccelerationY, FlightField::AccelerationY, 0x8000, 16000},
        {&SensorRecordRaw::AccelerationZ, FlightField::AccelerationZ, 0x8001, -15998},
        {&SensorRecordRaw::AngularRateX, FlightField::AngularRateX, 0x0666, 100},
        {&SensorRecordRaw::AngularRateY, FlightField::AngularRateY, 0x8000, 2000},
        {&SensorRecordRaw::AngularRateZ, FlightField::AngularRateZ, 0xFF5C, -10},
        {&SensorRecordRaw::Acceleration100g, FlightField::Acceleration100g, 9, 102},
        {&SensorRecordRaw::Acceleration100g, FlightField::Acceleration100g, 0x8008, 3355314},
        {&SensorRecordRaw::BaroAltitude, FlightField::BaroAltitude, 0x8000, 32768},
        {&SensorRecordRaw::BaroAltitude, FlightField::BaroAltitude, 0xFFFF, -1},
        {&SensorRecordRaw::PowerVoltage, FlightField::PowerVoltage, 0x8001, -32767},
    };
    for (const auto& c : cases) {
        SensorRecordRaw record;
        record.*c.raw = c.value;
        LogFileBuilder log = LogWithHeader();
        log.AddSensorPage(1, std::vector<SensorRecordRaw>{record});
        Decode(log.Bytes());
        const FlightRecord& stored = tables.FlightRecords[0];
        EXPECT_EQ(stored[c.field], c.decoded) << "field " << static_cast<int>(c.field) << " raw " << std::hex << c.value;
        // Everything else of a zero record decodes to 0; the 100 g default of 8 counts is 0 g.
        for (std::size_t f = 0; f < kFlightFieldCount; ++f) {
            if (f == static_cast<std::size_t>(c.field)) continue;
            EXPECT_EQ(stored.Fields[f], 0) << "field " << f;
        }
    }
}

TEST_F(PagedLogDecoderTest, RecordTypesAndRatesSetRecordsTicksAndTickEntries) {
    const struct {
        std::uint8_t type;
        std::uint8_t rate;
        std::int32_t records;
        std::int32_t ticks;
    } cases[] = {
        {1, 1, 5, 5}, {1, 2, 5, 50}, {1, 10, 5, 50}, {1, 0, 5, 50},
        {2, 1, 25, 25}, {2, 10, 25, 250}, {2, 0xFF, 25, 250},
    };
    for (const auto& c : cases) {
        LogFileBuilder log = LogWithHeader();
        if (c.type == 1) log.AddSensorPage(c.rate, std::vector<SensorRecordRaw>(5));
        else log.AddShortPage(c.rate, std::vector<ShortRecordRaw>(25));
        steps = RecordingSteps();
        Decode(log.Bytes());
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << " rate " << int(c.rate));
        EXPECT_EQ(RecordsLoaded(), c.records);
        EXPECT_EQ(tables.LogTime, c.ticks);
        EXPECT_EQ(tables.TickEventCount, c.ticks);
        RecordRate rate = c.rate == 1 ? RecordRate::OneTick : RecordRate::TenTicks;
        EXPECT_EQ(steps.chartRates, std::vector<RecordRate>(c.records, rate));
    }
}

TEST_F(PagedLogDecoderTest, ARecordAtRate10FillsItsCodeAndNineZeroTicks) {
    LogFileBuilder log = LogWithHeader();
    log.AddSensorPage(10, std::vector<SensorRecordRaw>{SensorWithEvent(7), SensorWithEvent(0), SensorWithEvent(200)});
    log.AddSensorPage(1, std::vector<SensorRecordRaw>{SensorWithEvent(4)});
    Decode(log.Bytes());
    std::vector<EventCode> expected(50 + 5, 0);
    expected[0] = 7;
    expected[20] = 200;
    expected[50] = 4;
    EXPECT_EQ(TickEntries(), expected);
}

TEST_F(PagedLogDecoderTest, EventRowsShowTheTimeAfterASensorRecordAndBeforeAShortOne) {
    LogFileBuilder log = LogWithHeader();
    log.AddSensorPage(1, std::vector<SensorRecordRaw>{SensorWithEvent(0), SensorWithEvent(1), SensorWithEvent(50),
                                                      SensorWithEvent(51), SensorWithEvent(255)});
    std::vector<ShortRecordRaw> shorts(4);
    shorts[0].Event = 10;
    shorts[1].Event = 30;
    shorts[2].Event = 31;
    shorts[3].Event = 11;
    log.AddShortPage(10, shorts);
    Decode(log.Bytes());
    // Rows for codes 1..50 of sensor records and 1..30 of short ones; the
    // others are still kept in the tick entries.
    const std::vector<EventRow> expected = {{2, 1}, {3, 50}, {5, 10}, {15, 30}, {35, 11}};
    EXPECT_EQ(steps.rows, expected);
    EXPECT_EQ(tables.TickEvents[3], 51);
    EXPECT_EQ(tables.TickEvents[4], 255);
    EXPECT_EQ(tables.TickEvents[25], 31);
}

TEST_F(PagedLogDecoderTest, TheLastBurnoutRecordSetsTheBurnoutTickAndEveryLoadResetsIt) {
    LogFileBuilder log = LogWithHeader();
    log.AddSensorPage(1, std::vector<SensorRecordRaw>{SensorWithEvent(3), SensorWithEvent(0), SensorWithEvent(4)});
    log.AddSensorPage(10, std::vector<SensorRecordRaw>{SensorWithEvent(0), SensorWithEvent(3)});
    Decode(log.Bytes());
    EXPECT_EQ(tables.BurnoutTick, 5 + 20);

    LogFileBuilder noBurnout = LogWithHeader();
    noBurnout.AddSensorPage(1, std::vector<SensorRecordRaw>{SensorWithEvent(5)});
    Decode(noBurnout.Bytes());
    EXPECT_EQ(tables.BurnoutTick, 0);
}

TEST_F(PagedLogDecoderTest, AnUnknownPageTakesASlotAndLeavesNothingOfAnEarlierLoadInIt) {
    SensorRecordRaw loud;
    loud.Roll = 1234;
    loud.BaroAltitude = 999;
    LogFileBuilder earlier = LogWithHeader();
    earlier.AddSensorPage(1, std::vector<SensorRecordRaw>(5, loud));

    for (std::uint8_t type : {0, 3, 0xFF}) {
        SCOPED_TRACE(int(type));
        Decode(earlier.Bytes());
        ASSERT_EQ(tables.FlightRecords[0][FlightField::Roll], 1234);
        tables.FlightRecords[2][FlightField::Latitude] = 5555;  // as another reader might leave it

        LogFileBuilder log = LogWithHeader();
        log.AddPageOfType(type, 1);
        log.AddPageOfType(type, 1);
        log.AddSensorPage(1, std::vector<SensorRecordRaw>{SensorWithEvent(6)});
        steps = RecordingSteps();
        Decode(log.Bytes());
        EXPECT_EQ(tables.RecordCount, 1 + 2 + 5);
        EXPECT_EQ(tables.LogTime, 5);
        EXPECT_EQ(steps.chartRecordCounts, (std::vector<std::int32_t>{3, 4, 5, 6, 7}));
        for (int slot : {0, 1}) {
            for (std::size_t f = 0; f < kFlightFieldCount; ++f)
                EXPECT_EQ(tables.FlightRecords[slot].Fields[f], 0) << "slot " << slot << " field " << f;
        }
        EXPECT_EQ(tables.FlightRecords[2][FlightField::Latitude], 0);
        EXPECT_EQ(tables.TickEvents[0], 6);
    }
}

TEST_F(PagedLogDecoderTest, ShortRecordsZeroTheSensorFieldsAndKeepTheIntegration) {
    class Integrator : public LogRecordSteps {
    public:
        void IntegrateAcceleration(std::int32_t mg, WorkingRecord& record) override {
            record.AccelSpeed += mg;
            record.AccelAltitude += 1;
        }
    } integrator;
    SensorRecordRaw sensor;
    sensor.Roll = 100;
    sensor.AccelerationZ = 0x0800;
    sensor.AngularRateX = 0x0666;
    sensor.Acceleration100g = 9;
    LogFileBuilder log = LogWithHeader();
    log.AddSensorPage(1, std::vector<SensorRecordRaw>(2, sensor));
    std::vector<ShortRecordRaw> shorts(1);
    shorts[0].BaroAltitude = 40;
    log.AddShortPage(1, shorts);

    PagedLogDecoder decoder(tables);
    decoder.Attach(integrator);
    decoder.DecodeLog(reinterpret_cast<const std::uint8_t*>(log.Bytes().data()), log.Bytes().size());
    const FlightRecord& second = tables.FlightRecords[1];
    EXPECT_EQ(second[FlightField::AccelSpeed], 2000);
    EXPECT_EQ(second[FlightField::AccelAltitude], 2);
    const FlightRecord& shortOne = tables.FlightRecords[5];  // after the page's five records
    EXPECT_EQ(shortOne[FlightField::Roll], 0);
    EXPECT_EQ(shortOne[FlightField::AccelerationZ], 0);
    EXPECT_EQ(shortOne[FlightField::AngularRateX], 0);
    EXPECT_EQ(shortOne[FlightField::Acceleration100g], 0);
    EXPECT_EQ(shortOne[FlightField::BaroAltitude], 40);
    EXPECT_EQ(shortOne[FlightField::AccelSpeed], 2000);
    EXPECT_EQ(shortOne[FlightField::AccelAltitude], 5);

    // A new load starts the working record afresh.
    LogFileBuilder plain = LogWithHeader();
    plain.AddShortPage(1, shorts);
    decoder.DecodeLog(reinterpret_cast<const std::uint8_t*>(plain.Bytes().data()), plain.Bytes().size());
    EXPECT_EQ(tables.FlightRecords[0][FlightField::AccelSpeed], 0);
    EXPECT_EQ(decoder.CurrentRecord().AccelAltitude, 0);
}

TEST_F(PagedLogDecoderTest, CompensationAndRangeChooseWhatIsStoredAndWhatIsIntegrated) {
    SensorRecordRaw record;
    record.AccelerationZ = 0x0800;   // 1000 mg
    record.Acceleration100g = 8 + 20;  // 2048 mg
    const struct {
        LogDecodeOptions options;
        std::int32_t storedZ;
        std::int32_t stored100g;
        std::int32_t integrated;
    } cases[] = {
        {{false, AccelerometerRange::Range16g}, 1000, 2048, 1000},
        {{true, AccelerometerRange::Range16g}, 0, 1048, 1000},
        {{false, AccelerometerRange::Range100g}, 1000, 2048, 2048},
        {{true, AccelerometerRange::Range100g}, 0, 1048, 2048},
    };
    for (const auto& c : cases) {
        LogFileBuilder log = LogWithHeader();
        log.AddSensorPage(1, std::vector<SensorRecordRaw>{record});
        std::vector<ShortRecordRaw> shorts(1);
        log.AddShortPage(1, shorts);  // short records are not integrated
        steps = RecordingSteps();
        Decode(log.Bytes(), c.options);
        SCOPED_TRACE(testing::Message() << c.options.Compensate1G << " " << int(c.options.Range));
        EXPECT_EQ(tables.FlightRecords[0][FlightField::AccelerationZ], c.storedZ);
        EXPECT_EQ(tables.FlightRecords[0][FlightField::Acceleration100g], c.stored100g);
        // One call per sensor record (the page's four empty ones too), none for the short one.
        ASSERT_EQ(steps.integrated.size(), 5u);
        EXPECT_EQ(steps.integrated[0], c.integrated);
    }
}

TEST_F(PagedLogDecoderTest, EveryWholePageIsDecodedIncludingTheLast) {
    LogFileBuilder log = LogWithHeader();
    log.AddSensorPage(1, std::vector<SensorRecordRaw>(5));
    log.AddSensorPage(1, std::vector<SensorRecordRaw>{SensorWithEvent(0), SensorWithEvent(10)});
    LogLoadResult result = Decode(log.Bytes());
    EXPECT_EQ(result.DataPagesDecoded, 2u);
    EXPECT_EQ(RecordsLoaded(), 10);
    EXPECT_EQ(steps.rows, (std::vector<EventRow>{{7, 10}}));
    EXPECT_TRUE(result.Messages.empty());
}

TEST_F(PagedLogDecoderTest, ATruncatedTrailingPartIsReportedAndTheWholePagesKept) {
    LogFileBuilder log = LogWithHeader();
    log.AddSensorPage(1, std::vector<SensorRecordRaw>{SensorWithEvent(8)});
    log.AddBytes(std::string(100, '\x01'));
    LogLoadResult result = Decode(log.Bytes());
    EXPECT_EQ(RecordsLoaded(), 5);
    EXPECT_EQ(result.TrailingBytes, 100u);
    ASSERT_EQ(result.Messages.size(), 1u);
    EXPECT_EQ(result.Messages[0], "Неполная страница в конце файла лога пропущена: 100 байт");
}

TEST_F(PagedLogDecoderTest, LessThanAPageDecodesNothingAndSaysSo) {
    LogLoadResult result = Decode(std::string(255, '\x01'));
    EXPECT_FALSE(result.Header.has_value());
    EXPECT_EQ(RecordsLoaded(), 0);
    EXPECT_EQ(result.TrailingBytes, 255u);
    EXPECT_EQ(result.Messages.size(), 1u);
    EXPECT_EQ(steps.calls, std::vector<std::string>{"reset"});
}

TEST_F(PagedLogDecoderTest, AFileShowsItsHeaderAndRecords) {
    TempFolder folder;
    LogFileBuilder log = LogWithHeader();
    log.AddSensorPage(1, std::vector<SensorRecordRaw>{SensorWithEvent(5)});
    LogLoadResult result = Load(folder.Write("LOG001.log", log.Bytes()));
    EXPECT_TRUE(result.Opened);
    EXPECT_EQ(result.LogFileSize, 512u);
    ASSERT_TRUE(result.Header.has_value());
    EXPECT_EQ(DeviceIdentityLine(*result.Header), "ID = 01020304");
    EXPECT_EQ(steps.calls, (std::vector<std::string>{"reset", "header", "record", "record", "record", "record",
                                                      "record"}));
    EXPECT_EQ(RecordsLoaded(), 5);
    EXPECT_EQ(tables.TickEvents[0], 5);
    EXPECT_TRUE(result.Messages.empty());
}

// The viewer keeps showing the flight it has when a file is refused.
TEST_F(PagedLogDecoderTest, RefusedFilesSayWhyAndLeaveTheFlightOnShowAsItWas) {
    TempFolder folder;
    LogFileBuilder earlier = LogWithHeader();
    earlier.AddSensorPage(10, std::vector<SensorRecordRaw>{SensorWithEvent(3), SensorWithEvent(0)});
    earlier.AddShortPage(1, std::vector<ShortRecordRaw>(3));

    LogFileBuilder headerOnly = LogWithHeader();
    LogFileBuilder unknownPages = LogWithHeader();
    unknownPages.AddPageOfType(0, 1);
    unknownPages.AddPageOfType(0xFF, 1);
    std::string text;
    while (text.size() < 4 * 256) text += "Это не лог полёта, а просто текст. ";
    const std::string empty = folder.Write("empty.log", "");
    const std::string missing = (folder.Path() / "missing.log").string();
    const std::string fifo = (folder.Path() / "pipe.log").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zeros = folder.Write("zeros.log", std::string(64 * 256, '\0'));
    const std::string textFile = folder.Write("notes.log", text);
    const std::string header = folder.Write("header.log", headerOnly.Bytes());
    const std::string unknown = folder.Write("unknown.log", unknownPages.Bytes());
    const std::string folderName = folder.Path().string();
    auto notALog = [](const std::string& name) {
        return "Файл " + name + " не является логом полёта: в нём нет ни одной страницы с записями";
    };
    const struct {
        std::string name;
        std::string message;
    } cases[] = {
        {empty, "Файл лога пуст: " + empty},
        {missing, "Не удалось открыть файл лога " + missing + ": Файл не найден."},
        {folderName, "Не удалось открыть файл лога " + folderName + ": Это папка, а не файл."},
        {fifo, "Файл лога " + fifo + " не открыт: это не обычный файл, а канал или устройство"},
        {"/dev/null", "Файл лога /dev/null не открыт: это не обычный файл, а канал или устройство"},
        {zeros, notALog(zeros)},
        {textFile, notALog(textFile)},
        {header, notALog(header)},
        {unknown, notALog(unknown)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Decode(earlier.Bytes());
        const std::int32_t records = tables.RecordCount, logTime = tables.LogTime;
        const std::int32_t ticks = tables.TickEventCount, burnout = tables.BurnoutTick;
        const std::int32_t roll = tables.FlightRecords[0][FlightField::Roll];
        steps = RecordingSteps();

        LogLoadResult result = Load(c.name);
        EXPECT_FALSE(result.Opened);
        EXPECT_FALSE(result.Header.has_value());
        EXPECT_EQ(result.Messages, std::vector<std::string>{c.message});
        EXPECT_EQ(tables.RecordCount, records);
        EXPECT_EQ(tables.LogTime, logTime);
        EXPECT_EQ(tables.TickEventCount, ticks);
        EXPECT_EQ(tables.BurnoutTick, burnout);
        EXPECT_EQ(tables.FlightRecords[0][FlightField::Roll], roll);
        EXPECT_EQ(tables.TickEvents[0], 3);
        EXPECT_TRUE(steps.calls.empty());
    }
}

// A file shortened by someone else while it is decoded (a stick pulled out)
// must not fault the reader; what was read is decoded whole.
TEST_F(PagedLogDecoderTest, AFileShortenedWhileItIsDecodedIsDecodedAsItWasRead) {
    class Shortening : public RecordingSteps {
    public:
        explicit Shortening(std::string fileName) : fileName_(std::move(fileName)) {}
        void ShowHeader(const LogHeaderPage& header) override {
            RecordingSteps::ShowHeader(header);
            std::filesystem::resize_file(fileName_, 0);
        }

    private:
        std::string fileName_;
    };
    TempFolder folder;
    LogFileBuilder log = LogWithHeader();
    for (int page = 0; page < 40; ++page) log.AddSensorPage(1, std::vector<SensorRecordRaw>{SensorWithEvent(1)});
    const std::string name = folder.Write("LOG001.log", log.Bytes());
    Shortening shortening(name);
    PagedLogDecoder decoder(tables);
    decoder.Attach(shortening);
    LogLoadResult result = decoder.LoadPagedLog(name);
    EXPECT_TRUE(result.Opened);
    EXPECT_EQ(std::filesystem::file_size(name), 0u);
    EXPECT_EQ(RecordsLoaded(), 40 * 5);
    EXPECT_EQ(shortening.rows.size(), 40u);
}

TEST_F(PagedLogDecoderTest, ALogLongerThanTheRecordTableStopsAtItsEnd) {
    // 200,001 pages of five records: four more than the 1,000,001 slots.
    LogFileBuilder log = LogWithHeader();
    std::vector<SensorRecordRaw> records(5, SensorWithEvent(0));
    records[4].Event = 3;
    for (int page = 0; page < 200001; ++page) log.AddSensorPage(1, records);
    LogLoadResult result = Decode(log.Bytes());
    EXPECT_TRUE(result.StoppedAtTableEnd);
    EXPECT_EQ(RecordsLoaded(), kFlightTableSlots);
    EXPECT_EQ(tables.TickEventCount, kFlightTableSlots);
    EXPECT_EQ(tables.LogTime, kFlightTableSlots);
    EXPECT_EQ(result.DataPagesDecoded, 200000u);
    EXPECT_EQ(tables.BurnoutTick, 1000000);
    ASSERT_EQ(result.Messages.size(), 1u);
    EXPECT_EQ(result.Messages[0], "Лог длиннее таблиц данных: загружено записей 1000001, остаток файла не прочитан");
}

TEST_F(PagedLogDecoderTest, ALogLongerThanTheTickTableStopsBeforeARecordThatDoesNotFit) {
    // At rate 10 the 1,000,001 ticks hold 100,000 records.
    LogFileBuilder log = LogWithHeader();
    for (int page = 0; page < 20001; ++page) log.AddSensorPage(10, std::vector<SensorRecordRaw>(5));
    LogLoadResult result = Decode(log.Bytes());
    EXPECT_TRUE(result.StoppedAtTableEnd);
    EXPECT_EQ(RecordsLoaded(), 100000);
    EXPECT_EQ(tables.TickEventCount, 1000000);
    EXPECT_EQ(steps.chartRecordCounts.size(), 100000u);
}

TEST_F(PagedLogDecoderTest, UnknownPagesStopAtTheEndOfTheRecordTableToo) {
    LogFileBuilder log = LogWithHeader();
    for (int page = 0; page < 200000; ++page) log.AddSensorPage(1, std::vector<SensorRecordRaw>(5));
    log.AddPageOfType(0xFF, 1);  // takes the last slot
    log.AddPageOfType(0xFF, 1);
    LogLoadResult result = Decode(log.Bytes());
    EXPECT_TRUE(result.StoppedAtTableEnd);
    EXPECT_EQ(tables.RecordCount, kFlightTableSlots + 1);
    EXPECT_EQ(result.DataPagesDecoded, 200001u);
}
