#include "tests/viewer/StreamLogTestData.h"
#include "tools/loggen/SampleStreamFlight.h"
#include "viewer/streamlog/StreamFraming.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::vector<std::uint8_t>> Packets(const std::string& bytes, StreamDeframer* out = nullptr) {
    StreamDeframer frames(BytesOf(bytes));
    std::vector<std::vector<std::uint8_t>> packets;
    std::vector<std::uint8_t> packet;
    while (frames.Next(packet)) packets.push_back(packet);
    if (out) *out = frames;
    return packets;
}

class Steps : public StreamLogSteps {
public:
    void StartLoad() override { ++starts; }
    void ShowProgress(int percent) override { progress.push_back(percent); }
    void AppendStreamRecord(const FlightRecord& record, const GpsFix& fix, bool seed) override {
        gpsAltitudes.push_back(fix.Altitude);
        seeds.push_back(seed);
        servo1.push_back(record[FlightField::Servo1]);
    }
    void AddLogLine(const std::string& line) override { lines.push_back(line); }

    int starts = 0;
    std::vector<int> progress;
    std::vector<std::int32_t> gpsAltitudes;
    std::vector<bool> seeds;
    std::vector<std::int32_t> servo1;
    std::vector<std::string> lines;
};

}  // namespace

TEST(StreamFraming, EscapesStandForTheFrameBytes) {
    // C0, length 4, then 'X', DB DC, DB DD, DB 41 (any other byte after DB stands for itself).
    const std::string bytes("\xC0\x04" "X\xDB\xDC\xDB\xDD\xDB\x41", 10);
    const auto packets = Packets(bytes);
    ASSERT_EQ(packets.size(), 1u);
    EXPECT_EQ(packets[0], (std::vector<std::uint8_t>{'X', 0xC0, 0xDB, 0x41}));
}

TEST(StreamFraming, AFrameStartInsideAFrameStartsANewOne) {
    StreamDeframer frames(BytesOf(""));
    const auto packets = Packets(std::string("\xC0\x05" "AB" "\xC0\x02" "CD" "junk" "\xC0\x01" "E", 15), &frames);
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0], (std::vector<std::uint8_t>{'C', 'D'}));
    EXPECT_EQ(packets[1], (std::vector<std::uint8_t>{'E'}));
    EXPECT_EQ(frames.BrokenFrames(), 1u);
    EXPECT_FALSE(frames.EndedInsideFrame());
}

TEST(StreamFraming, EscapedLengthByte) {
    std::string payload(0xC0 - 2, 'p');
    StreamLogBuilder builder;
    builder.AddPacket(BytesOf(payload));  // 0xC0 bytes with the two check bytes
    const auto packets = Packets(builder.Bytes());
    ASSERT_EQ(packets.size(), 1u);
    EXPECT_EQ(packets[0].size(), 0xC0u);
}

TEST(StreamLogReader, DecodesTheSensorFieldsInTheirUnits) {
    SensorPacketRaw sensor;
    sensor.Roll = -123;
    sensor.Pitch = 45;
    sensor.Course = 3599;
    sensor.AccelerationX = 512;   // 1 g
    sensor.AccelerationY = -256;  // -0.5 g
    sensor.AccelerationZ = 3;     // 5.859375 mg rounds to 6
    sensor.AngularRateX = 1638;   // 100 degree/s
    sensor.AngularRateY = -82;    // -5.006 rounds to -5
    sensor.GyroTemperature = -51;
    sensor.BaroAltitude = 1234;
    sensor.BaroTemperature = 250;
    sensor.ElectronicsVoltage = 40000;  // above 32767: unsigned
    sensor.PowerVoltage = 8400;
    sensor.Servo[1] = -15;
    sensor.Servo[3] = 20;
    sensor.Status1 = 0xA5;
    sensor.Status2 = 0x5A;
    sensor.ErrorFlags = 0x80000001u;
    StreamLogBuilder log;
    log.AddSensorPacket(sensor);
    StreamDecoding decoding;
    const StreamLoadResult result = decoding.Decode(log.Bytes());
    ASSERT_TRUE(result.Opened);
    EXPECT_EQ(result.RecordCount, 1);
    EXPECT_EQ(decoding.tables->RecordCount, 2);  // one more than the records stored
    const FlightRecord& r = decoding.Record(0);
    EXPECT_EQ(r[FlightField::Roll], -123);
    EXPECT_EQ(r[FlightField::Pitch], 45);
    EXPECT_EQ(r[FlightField::Course], 3599);
    EXPECT_EQ(r[FlightField::AccelerationX], 1000);
    EXPECT_EQ(r[FlightField::AccelerationY], -500);
    EXPECT_EQ(r[FlightField::AccelerationZ], 6);
    EXPECT_EQ(r[FlightField::AngularRateX], 100);
    EXPECT_EQ(r[FlightField::AngularRateY], -5);
    EXPECT_EQ(r[FlightField::GyroTemperature], -51);
    EXPECT_EQ(r[FlightField::BaroAltitude], 0);  // the first record is the base
    EXPECT_EQ(r[FlightField::BaroTemperature], 250);
    EXPECT_EQ(r[FlightField::ElectronicsVoltage], 40000);
    EXPECT_EQ(r[FlightField::PowerVoltage], 8400);
    EXPECT_EQ(r[FlightField::Servo1], 100);  // error flags set
    EXPECT_EQ(r[FlightField::Servo2], -15);
    EXPECT_EQ(r[FlightField::Servo4], 20);
    EXPECT_EQ(r[FlightField::Status1], 0xA5);
    EXPECT_EQ(r[FlightField::Status2], 0x5A);
    EXPECT_EQ(static_cast<std::uint32_t>(r[FlightField::ErrorFlags]), 0x80000001u);
}

TEST(StreamLogReader, CompensationSubtractsOneGFromTheStoredZAcceleration) {
    SensorPacketRaw sensor;
    sensor.AccelerationZ = 512;
    StreamLogBuilder log;
    log.AddSensorPacket(sensor);
    StreamLoadOptions options;
    options.Compensate1G = true;
    StreamDecoding decoding(options);
    decoding.Decode(log.Bytes());
    EXPECT_EQ(decoding.Record(0)[FlightField::AccelerationZ], 0);
}

TEST(StreamLogReader, AFixGoesIntoTheNextRecordOnlyAndItsReadingsStay) {
    GpsPacketRaw fix = FixAt(-3312345, -7012345);
    fix.Speed = 54;
    fix.Altitude = 1200;
    StreamLogBuilder log;
    log.AddGpsPacket(fix);
    log.AddSensorPacket({});
    log.AddSensorPacket({});
    StreamDecoding decoding;
    // Slot 1 held a fix of an earlier load: it must not show through.
    decoding.tables->FlightRecords[1][FlightField::Latitude] = 4242424;
    decoding.tables->FlightRecords[1][FlightField::Longitude] = 4242424;
    Steps steps;
    decoding.reader.Attach(steps);
    decoding.Decode(log.Bytes());
    const FlightRecord& first = decoding.Record(0);
    EXPECT_EQ(first[FlightField::Latitude], -3312345);
    EXPECT_EQ(first[FlightField::Longitude], -7012345);
    EXPECT_EQ(first[FlightField::GpsStatus], 3);
    EXPECT_EQ(first[FlightField::GpsSpeed], 54);
    EXPECT_EQ(first[FlightField::GpsAltitude], 1200);
    for (FlightField field : {FlightField::Latitude, FlightField::Longitude, FlightField::GpsStatus,
                              FlightField::GpsSpeed, FlightField::GpsAltitude, FlightField::Acceleration100g})
        EXPECT_EQ(decoding.Record(1)[field], 0) << static_cast<int>(field);
    // The chart keeps drawing the last fix's altitude.
    EXPECT_EQ(steps.gpsAltitudes, (std::vector<std::int32_t>{1200, 1200}));
    EXPECT_EQ(steps.seeds, (std::vector<bool>{true, false}));
}

TEST(StreamLogReader, BarometricAltitudeIsRelativeAndRateLimited) {
    StreamLogBuilder log;
    for (std::int16_t altitude : {1000, 1500, 1500, 1500, 990, 1010}) {
        SensorPacketRaw sensor;
        sensor.BaroAltitude = altitude;  // 0.1 m: a 50 m jump after the first
        log.AddSensorPacket(sensor);
    }
    StreamDecoding decoding;  // 3 m a record
    decoding.Decode(log.Bytes());
    std::vector<std::int32_t> stored;
    for (int slot = 0; slot < 6; ++slot) stored.push_back(decoding.Record(slot)[FlightField::BaroAltitude]);
    EXPECT_EQ(stored, (std::vector<std::int32_t>{0, 30, 60, 90, 60, 30}));
}

TEST(StreamLogReader, CountsEachErrorKindByItsBit) {
    StreamLogBuilder log;
    for (std::uint32_t flags : {0u, 1u, 1u | (1u << 13), 1u << 5, 0u, 1u << 20}) log.AddSensorPacket(SensorWithFlags(flags));
    StreamDecoding decoding;
    Steps steps;
    decoding.reader.Attach(steps);
    const StreamLoadResult result = decoding.Decode(log.Bytes());
    EXPECT_EQ(result.Errors.Counts[0], 2);
    EXPECT_EQ(result.Errors.Counts[5], 1);
    EXPECT_EQ(result.Errors.Counts[13], 1);
    EXPECT_EQ(result.Errors.Total(), 4);  // bit 20 is no kind of its own
    EXPECT_EQ(steps.servo1, (std::vector<std::int32_t>{0, 100, 100, 100, 0, 100}));
}

TEST(StreamLogReader, PeriodStoresItsRecordsAndStopsAtItsEnd) {
    StreamLogBuilder log;
    for (int record = 0; record < 2500; ++record) {
        SensorPacketRaw sensor;
        sensor.Roll = static_cast<std::int16_t>(record % 3000);
        log.AddSensorPacket(sensor);
    }
    StreamLoadOptions options;
    options.Period = StreamPeriod{1000, 2000};
    StreamDecoding decoding(options);
    decoding.tables->FlightRecords[5][FlightField::Latitude] = 5512345;  // an earlier load's fix
    decoding.tables->FlightRecords[5][FlightField::Longitude] = 3712345;
    Steps steps;
    decoding.reader.Attach(steps);
    const StreamLoadResult result = decoding.Decode(log.Bytes());
    EXPECT_EQ(result.RecordCount, 2000);
    EXPECT_FALSE(result.ReachedFileEnd);
    EXPECT_EQ(steps.seeds.size(), 1000u);
    EXPECT_TRUE(steps.seeds.front());
    EXPECT_EQ(decoding.Record(1000)[FlightField::Roll], 1000);
    EXPECT_EQ(decoding.Record(1999)[FlightField::Roll], 1999);
    EXPECT_EQ(decoding.Record(5)[FlightField::Latitude], 0);  // skipped slots hold nothing old
    EXPECT_EQ(decoding.tables->StoredRecords().size(), 2000u);
    // The gauge follows the period: 0 % at its first record, 90 % at its 901st.
    ASSERT_FALSE(steps.progress.empty());
    EXPECT_EQ(steps.progress.front(), 0);
    EXPECT_EQ(steps.progress.back(), 90);
}

TEST(StreamLogReader, PeriodWithoutEndReadsToTheEndOfTheFile) {
    StreamLogBuilder log;
    for (int record = 0; record < 300; ++record) log.AddSensorPacket({});
    StreamLoadOptions options;
    options.Period = StreamPeriod{100, 0};
    StreamDecoding decoding(options);
    Steps steps;
    decoding.reader.Attach(steps);
    const StreamLoadResult result = decoding.Decode(log.Bytes());
    EXPECT_EQ(result.RecordCount, 300);
    EXPECT_TRUE(result.ReachedFileEnd);
    EXPECT_EQ(steps.seeds.size(), 200u);
    // Without an end the gauge goes by the bytes read.
    for (int percent : steps.progress) {
        EXPECT_GE(percent, 0);
        EXPECT_LE(percent, 100);
    }
}

TEST(StreamLogReader, IntegrationLinesFromLaunchAndResultsAtBurnout) {
    StreamLogBuilder log;
    auto add = [&log](int count, std::int16_t accelerationZ) {
        for (int i = 0; i < count; ++i) {
            SensorPacketRaw sensor;
            sensor.AccelerationZ = accelerationZ;
            log.AddSensorPacket(sensor);
        }
    };
    add(10, 512);       // 1 g on the pad
    add(100, 512 * 3);  // 3 g for a second
    add(50, 0);         // burnout, then coasting
    StreamDecoding decoding;
    Steps steps;
    decoding.reader.Attach(steps);
    const StreamLoadResult result = decoding.Decode(log.Bytes());
    ASSERT_EQ(steps.lines.size(), 30u);
    EXPECT_EQ(steps.lines[0].rfind("Acc:", 0), 0u);
    EXPECT_NE(steps.lines[0].find("  Spd:"), std::string::npos);
    EXPECT_NE(steps.lines[0].find("  Alt:"), std::string::npos);
    EXPECT_NE(steps.lines[29].find("3 000,0"), std::string::npos) << steps.lines[29];
    // About 2 g for a second: near 19.6 m/s at burnout, not the coasting speed after it.
    EXPECT_NEAR(result.Speed, 19.6, 0.5);
    EXPECT_GT(result.Altitude, 9.0);
    EXPECT_LT(result.Altitude, 11.0);
}

TEST(StreamLogReader, SampleFlightGivesEveryFixAndErrorSpan) {
    const SampleStreamFlight flight = MakeSampleStreamFlight();
    StreamDecoding decoding;
    const StreamLoadResult result = decoding.Decode(flight.Log.Bytes());
    EXPECT_TRUE(result.Messages.empty());
    EXPECT_TRUE(result.ReachedFileEnd);
    EXPECT_EQ(result.RecordCount, flight.Records);
    for (const StreamFixMark& fix : flight.Fixes) {
        EXPECT_EQ(decoding.Record(fix.Record)[FlightField::Latitude], fix.Latitude);
        EXPECT_EQ(decoding.Record(fix.Record)[FlightField::Longitude], fix.Longitude);
    }
    std::int64_t flagged = 0;
    for (const StreamErrorSpan& span : flight.Errors) flagged += span.Last - span.First + 1;
    EXPECT_EQ(result.Errors.Total(), flagged);
    EXPECT_GT(result.Altitude, 0);
}

// Damaged logs: the whole packets before the damage are kept, the reader
// says what it skipped and reads nothing past the bytes it was given.
struct DamageCase {
    const char* name;
    std::string tail;           // after two whole sensor records
    std::int32_t records;       // records stored
    const char* message;        // the start of the message; empty for none
};

class DamagedStreamLog : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedStreamLog, KeepsTheWholePacketsAndSaysWhatWasLost) {
    const DamageCase& c = GetParam();
    StreamLogBuilder log;
    log.AddSensorPacket(SensorWithFlags(1));
    log.AddSensorPacket(SensorWithFlags(2));
    // The damaged tail is copied to a buffer of its own size, so reading past it is caught by sanitizers.
    std::string bytes = log.Bytes() + c.tail;
    std::vector<std::uint8_t> exact(bytes.begin(), bytes.end());
    StreamDecoding decoding;
    const StreamLoadResult result = decoding.reader.DecodeStream(exact);
    EXPECT_EQ(result.RecordCount, c.records);
    EXPECT_EQ(decoding.tables->StoredRecords().size(), static_cast<std::size_t>(c.records));
    if (*c.message == '\0') {
        EXPECT_TRUE(result.Messages.empty());
    } else {
        ASSERT_EQ(result.Messages.size(), 1u);
        EXPECT_EQ(result.Messages[0].rfind(c.message, 0), 0u) << result.Messages[0];
    }
}

std::string SensorFieldsCut(std::size_t size) {
    return StreamLogBuilder::SensorFields({}).substr(0, size);
}

std::string Framed(const std::string& packet) {
    StreamLogBuilder log;
    log.AddPacket(BytesOf(packet));
    return log.Bytes();
}

const char* const kCutOff = "Файл лога обрывается внутри пакета: загружено записей 2";
const char* const kDamaged = "В файле лога повреждены пакеты, они пропущены: 1";

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedStreamLog,
    ::testing::Values(
        DamageCase{"NothingAfter", "", 2, ""},
        DamageCase{"LoneFrameStart", "\xC0", 2, kCutOff},
        DamageCase{"CutInsidePacket", Framed(SensorFieldsCut(43)).substr(0, 20), 2, kCutOff},
        DamageCase{"CutInsideEscape", std::string("\xC0\x05" "D\xDB", 4), 2, kCutOff},
        DamageCase{"ShortSensorPacket", Framed(SensorFieldsCut(30)), 2, kDamaged},
        DamageCase{"ShortGpsPacket", Framed(StreamLogBuilder::GpsFields({}).substr(0, 9)), 2, kDamaged},
        DamageCase{"BrokenByAFrameStart", std::string("\xC0\x30" "D\x01\x02", 5) + Framed(SensorFieldsCut(43)), 3,
                   kDamaged},
        DamageCase{"GarbageBetweenFrames", "garbage" + Framed(SensorFieldsCut(43)) + "more", 3, ""},
        DamageCase{"UnknownPacketType", Framed("Zsomething"), 2, ""},
        DamageCase{"EmptyFrame", std::string("\xC0\x00", 2), 2, ""}),
    [](const ::testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST(StreamLogReader, FileThatCannotBeReadLeavesTheTablesAlone) {
    TempFolder folder;
    StreamDecoding decoding;
    decoding.tables->RecordCount = 7;
    Steps steps;
    decoding.reader.Attach(steps);
    for (const std::string& name : {folder.Write("empty.log", ""), (folder.Path() / "missing.log").string(),
                                    folder.Path().string()}) {
        const StreamLoadResult result = decoding.reader.LoadStreamLog(name);
        EXPECT_FALSE(result.Opened) << name;
        ASSERT_EQ(result.Messages.size(), 1u);
        EXPECT_NE(result.Messages[0].find(name), std::string::npos) << result.Messages[0];
    }
    EXPECT_EQ(decoding.tables->RecordCount, 7);
    EXPECT_EQ(steps.starts, 0);
}

TEST(StreamLogReader, TheCommittedSampleIsWhatTheGeneratorWrites) {
    const SampleStreamFlight flight = MakeSampleStreamFlight();
    TempFolder folder;
    const std::string written = (folder.Path() / "stream.log").string();
    const std::string command = std::string(VELZAR_LOGGEN) + " --stream '" + written + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string sample = VELZAR_SAMPLES_DIR "/sample-stream.log";
    for (const std::string& name : {sample, written}) {
        std::ifstream in(name, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), flight.Log.Bytes()) << name;
    }
    StreamDecoding decoding;
    const StreamLoadResult result = decoding.reader.LoadStreamLog(sample);
    ASSERT_TRUE(result.Opened) << (result.Messages.empty() ? "" : result.Messages[0]);
    EXPECT_EQ(result.RecordCount, flight.Records);
}
