// The analysis steps of a load on small generated logs: smoothing factors,
// smoothed points, the accelerometer integration, event rows and extents.

#include "tests/viewer/SeriesTableChart.h"
#include "tools/loggen/LogFileBuilder.h"
#include "ui/controls/Grids.h"
#include "viewer/analysis/AccelerometerIntegration.h"
#include "viewer/analysis/ChartRecordSteps.h"
#include "viewer/analysis/DataExtents.h"
#include "viewer/analysis/EventRows.h"
#include "viewer/analysis/SmoothingFactors.h"
#include "viewer/log/PagedLogDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

SmoothingChoice FilterOnWithOwnLists(int ownIndex) {
    SmoothingChoice choice;
    choice.FilterOn = true;
    choice.CommonIndex = 0;
    choice.SeriesIndex.fill(ownIndex);
    return choice;
}

SensorRecordRaw SensorAt(std::uint16_t baroAltitude, std::uint16_t accelerationX = 0, std::uint8_t event = 0) {
    SensorRecordRaw record;
    record.BaroAltitude = baroAltitude;
    record.AccelerationX = accelerationX;
    record.Event = event;
    return record;
}

class LogAnalysisTest : public ::testing::Test {
protected:
    LogAnalysisTest() : chartSteps(*table.chart), grid(new TStringGrid(table.owner.get())), rows(*grid) {
        grid->SetColCount(3);
        grid->SetRowCount(2);
        grid->SetFixedRows(1);
    }
    void Decode(const LogFileBuilder& log, SmoothingFactors factors, LogDecodeOptions options = {}) {
        for (int i = 0; i <= kLastClearedSeries; ++i) table.Series(i).Clear();
        chartSteps.SetFactors(factors);
        StartEventList(*grid);
        PagedLogDecoder decoder(tables, options);
        decoder.Attach(integration);
        decoder.Attach(chartSteps);
        decoder.Attach(rows);
        const std::string& bytes = log.Bytes();
        decoder.DecodeLog(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        rows.WriteRows();
    }
    static SmoothingFactors Factors(int n) {
        SmoothingFactors factors;
        factors.fill(n);
        return factors;
    }

    SeriesTableChart table;
    FlightTables tables;
    AccelerometerIntegration integration;
    ChartRecordSteps chartSteps;
    TStringGrid* grid;
    EventRowSteps rows;
};

LogFileBuilder LogOfSensorPages(std::uint8_t rate, const std::vector<SensorRecordRaw>& records) {
    LogFileBuilder log;
    log.AddHeaderPage(1, {});
    for (std::size_t at = 0; at < records.size(); at += LogFileBuilder::kSensorRecordsPerPage) {
        const std::size_t n = std::min(records.size() - at, LogFileBuilder::kSensorRecordsPerPage);
        log.AddSensorPage(rate, std::span(records).subspan(at, n));
    }
    return log;
}

}  // namespace

TEST(SmoothingFactorsTest, FilterSwitchCommonListAndOwnLists) {
    struct Case {
        const char* what;
        SmoothingChoice choice;
        int series;
        std::int32_t factor;
    };
    SmoothingChoice off = FilterOnWithOwnLists(8);
    off.FilterOn = false;
    SmoothingChoice common = FilterOnWithOwnLists(2);
    common.CommonIndex = 4;  // "8"
    SmoothingChoice commonNone = FilterOnWithOwnLists(5);
    commonNone.CommonIndex = -1;
    SmoothingChoice mixed = FilterOnWithOwnLists(0);
    mixed.SeriesIndex[kBaroAltitudeSeries] = 8;
    mixed.SeriesIndex[kAcceleration100gSeries] = 3;
    mixed.SeriesIndex[kRollSeries] = -1;
    mixed.SeriesIndex[kPitchSeries] = 9;  // past the list's items
    const Case cases[] = {
        {"filtering off averages with factor 1", off, kBaroAltitudeSeries, 1},
        {"filtering off, a marker series", off, 0, 1},
        {"common list on a number", common, kAccelerationXSeries, 8},
        {"common list on a number reaches the 100 g list", common, kAcceleration100gSeries, 8},
        {"common list without a selection: own lists", commonNone, kAccelSpeedSeries, 16},
        {"own list on its last item", mixed, kBaroAltitudeSeries, 128},
        {"own list of the 100 g series", mixed, kAcceleration100gSeries, 4},
        {"own list on its first item", mixed, kCourseSeries, 1},
        {"own list without a selection", mixed, kRollSeries, 1},
        {"own list index past the items", mixed, kPitchSeries, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SmoothingFactorsOf(c.choice)[c.series], c.factor) << c.what;
}

TEST_F(LogAnalysisTest, PointsAreSmoothedWithTheFactorAndSeededByTheFirstRecord) {
    struct Case {
        int factor;
        std::vector<std::uint16_t> altitudes;  // 0.1 m
        std::vector<double> points;           // m
    };
    const Case cases[] = {
        // With filtering off (factor 1) 0, 10 m still gives 5 m.
        {1, {0, 100}, {0, 5}},
        {1, {100, 100, 300}, {10, 10, 20}},
        {3, {40, 200, 200}, {4, 8, 11}},
        // The first record seeds the state, so its point is its own value.
        {128, {1234}, {123.4}},
    };
    for (const Case& c : cases) {
        std::vector<SensorRecordRaw> records;
        for (auto altitude : c.altitudes) records.push_back(SensorAt(altitude));
        Decode(LogOfSensorPages(LogFileBuilder::kOneTickRate, records), Factors(c.factor));
        // The page's other record slots are zero records after these.
        const auto points = table.Points(kBaroAltitudeSeries);
        ASSERT_EQ(points.size(), LogFileBuilder::kSensorRecordsPerPage) << "factor " << c.factor;
        for (std::size_t i = 0; i < c.points.size(); ++i)
            EXPECT_NEAR(points[i], c.points[i], 1e-4) << "factor " << c.factor << " point " << i;
    }
}

TEST_F(LogAnalysisTest, EachFedSeriesGetsItsPointInItsUnit) {
    SensorRecordRaw record;
    record.AccelerationX = 2048 * 2;  // 2000 mg
    record.AngularRateY = 0x0666;     // 100 degree/s
    record.Roll = 4500;               // 45 degrees
    record.PowerVoltage = 8400;       // 8,4 V
    record.Acceleration100g = 9;      // 102 mg
    record.BaroAltitude = 15;         // 1,5 m
    Decode(LogOfSensorPages(LogFileBuilder::kOneTickRate, {record}), Factors(4));
    const struct {
        int series;
        double value;
    } expected[] = {
        {kAccelerationXSeries, 2.0}, {kAngularRateYSeries, 100}, {kRollSeries, 45}, {kPowerVoltageSeries, 8.4},
        {kAcceleration100gSeries, 0.102}, {kBaroAltitudeSeries, 1.5}, {kBaroTemperatureSeries, 0},
        {kServo1Series, 0}, {kAccelAltitudeSeries, 0}, {kAccelSpeedSeries, 0},
    };
    for (const auto& e : expected) {
        ASSERT_EQ(table.Series(e.series).Count(), 5) << "series " << e.series;
        EXPECT_NEAR(table.Series(e.series).YValueAt(0), e.value, 1e-5) << "series " << e.series;
    }
    EXPECT_EQ(table.Series(kGpsAltitudeSeries).Count(), 0);
    EXPECT_EQ(table.Series(kGpsSpeedSeries).Count(), 0);
}

TEST_F(LogAnalysisTest, ALongRecordAddsTenPointsStraightForAltitudeAndClosingInForTheRest) {
    // Five zero records at 10 ms, then one of 100 ms with 100 m and 1 g.
    LogFileBuilder log;
    log.AddHeaderPage(1, {});
    log.AddSensorPage(LogFileBuilder::kOneTickRate, std::vector<SensorRecordRaw>(5, SensorAt(0)));
    log.AddSensorPage(LogFileBuilder::kTenTickRate, std::vector<SensorRecordRaw>{SensorAt(1000, 2048)});
    Decode(log, Factors(1));
    constexpr std::size_t kFirst = 5;

    const auto altitude = table.Points(kBaroAltitudeSeries);
    ASSERT_EQ(altitude.size(), kFirst + 50);
    // From the previous smoothed altitude, 0, towards (1 x 0 + 100) / 2.
    for (int j = 0; j < 10; ++j) EXPECT_NEAR(altitude[kFirst + j], 50.0 * j / 10, 1e-4) << "round " << j;
    // The next long record starts from 50 m.
    EXPECT_NEAR(altitude[kFirst + 10], 50, 1e-4);

    const auto accelerationX = table.Points(kAccelerationXSeries);
    double state = 0;
    for (int j = 0; j < 10; ++j) {
        state = (state + 1000) / 2;
        EXPECT_NEAR(accelerationX[kFirst + j], state / 1000, 1e-6) << "round " << j;
    }
    EXPECT_EQ(tables.LogTime, 55);
    for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series) {
        const bool fed = series != kGpsAltitudeSeries && series != kGpsSpeedSeries;
        EXPECT_EQ(table.Series(series).Count(), fed ? tables.LogTime : 0) << "series " << series;
    }
}

TEST_F(LogAnalysisTest, AShortRecordFeedsZeroToTheSensorSeries) {
    LogFileBuilder log;
    log.AddHeaderPage(1, {});
    log.AddSensorPage(LogFileBuilder::kOneTickRate, std::vector<SensorRecordRaw>(5, SensorAt(50, 2048)));
    ShortRecordRaw shortRecord;
    shortRecord.BaroAltitude = 50;
    log.AddShortPage(LogFileBuilder::kOneTickRate, std::vector<ShortRecordRaw>(25, shortRecord));
    Decode(log, Factors(1));
    const auto accelerationX = table.Points(kAccelerationXSeries);
    EXPECT_EQ(std::vector<double>(accelerationX.begin(), accelerationX.begin() + 7),
              (std::vector<double>{1, 1, 1, 1, 1, 0.5, 0.25}));
    EXPECT_EQ(table.Points(kBaroAltitudeSeries), std::vector<double>(30, 5));
}

TEST_F(LogAnalysisTest, LoadingTheSameLogTwiceGivesTheSamePointsAndResults) {
    std::vector<SensorRecordRaw> records;
    for (int i = 0; i < 40; ++i) {
        SensorRecordRaw record = SensorAt(static_cast<std::uint16_t>(i * 37 % 500));
        record.AccelerationZ = static_cast<std::uint16_t>(i < 20 ? 2048 * 5 : 0);
        records.push_back(record);
    }
    const LogFileBuilder log = LogOfSensorPages(LogFileBuilder::kOneTickRate, records);
    Decode(log, Factors(8));
    const auto altitude = table.Points(kBaroAltitudeSeries);
    const auto accelAltitude = table.Points(kAccelAltitudeSeries);
    const FlightRecord last = tables.FlightRecords[39];
    Decode(log, Factors(8));
    EXPECT_EQ(table.Points(kBaroAltitudeSeries), altitude);
    EXPECT_EQ(table.Points(kAccelAltitudeSeries), accelAltitude);
    EXPECT_EQ(tables.FlightRecords[39].Fields, last.Fields);
    EXPECT_GT(last[FlightField::AccelAltitude], 0);
}

TEST_F(LogAnalysisTest, ALoadStartingWithAnUnknownPageStillSeedsItsFirstRecord) {
    Decode(LogOfSensorPages(LogFileBuilder::kOneTickRate, {SensorAt(3000)}), Factors(64));
    LogFileBuilder log;
    log.AddHeaderPage(1, {});
    log.AddPageOfType(0xFF, 1);
    log.AddSensorPage(LogFileBuilder::kOneTickRate, std::vector<SensorRecordRaw>{SensorAt(100)});
    Decode(log, Factors(64));
    EXPECT_EQ(table.Points(kBaroAltitudeSeries).front(), 10);
}

TEST(AccelerometerIntegrationTest, LaunchBurnoutAndTheIncrements) {
    constexpr double kStep = 9.80665 / 100;  // m/s per record at 2 g
    struct Case {
        const char* what;
        std::vector<std::int32_t> samples;  // mg
        bool launched, burnedOut;
        double speed;  // m/s
    };
    // Each sample after launch adds (average - 1000) / 1000 steps of 2 g.
    const Case cases[] = {
        {"an average of exactly 1200 mg is no launch", {1200, 1200, 1200, 1200}, false, false, 0},
        {"the three-sample average launches", {0, 0, 3700}, true, false, (3700.0 / 3 - 1000) / 1000 * kStep},
        {"after launch 1000 mg adds nothing", {3000, 3000, 3000, 1000, 1000, 1000}, true, false, (1 + 2 + 4.0 / 3 + 2.0 / 3 + 0) * kStep},
        {"2000 mg adds 0,0980665 m/s a record", {2000, 2000, 2000, 2000, 2000}, true, false, (1.0 / 3 + 1 + 1 + 1) * kStep},
        {"an average of exactly 500 mg is no burnout", {2000, 2000, 2000, 500, 500, 500}, true, false,
         (1.0 / 3 + 1 + 0.5 + 0 - 0.5) * kStep},
        {"the sample that ends the burn is integrated", {1500, 1500, 1500, 0, 0, 0}, true, true, (0.5 + 0 - 0.5 - 1) * kStep},
    };
    for (const Case& c : cases) {
        AccelerometerIntegration integration;
        WorkingRecord record;
        integration.ResetIntegration();
        for (auto mg : c.samples) integration.IntegrateAcceleration(mg, record);
        EXPECT_EQ(integration.Launched(), c.launched) << c.what;
        EXPECT_EQ(integration.BurnedOut(), c.burnedOut) << c.what;
        EXPECT_NEAR(integration.Speed(), c.speed, 1e-9) << c.what;
    }
}

TEST(AccelerometerIntegrationTest, ResultsAreThousandthsAndNotBelowZeroAfterBurnout) {
    AccelerometerIntegration integration;
    WorkingRecord record;
    integration.ResetIntegration();
    // Before launch the results stay 0.
    integration.IntegrateAcceleration(1000, record);
    EXPECT_EQ(record.AccelSpeed, 0);
    integration.ResetIntegration();
    for (int i = 0; i < 6; ++i) integration.IntegrateAcceleration(2000, record);
    // v = 4 1/3 x 0,0980665 m/s; h = (1/3 + 1 1/3 + ... + 4 1/3) x 0,0980665 / 100 m
    EXPECT_EQ(record.AccelSpeed, 425);
    EXPECT_EQ(record.AccelAltitude, 11);
    // A long fall after burnout: speed and altitude go negative, stored as 0.
    for (int i = 0; i < 400; ++i) integration.IntegrateAcceleration(0, record);
    EXPECT_TRUE(integration.BurnedOut());
    EXPECT_LT(integration.Speed(), 0);
    EXPECT_LT(integration.Altitude(), 0);
    EXPECT_EQ(record.AccelSpeed, 0);
    EXPECT_EQ(record.AccelAltitude, 0);
    integration.ResetIntegration();
    EXPECT_FALSE(integration.Launched());
    EXPECT_EQ(integration.Speed(), 0);
}

TEST_F(LogAnalysisTest, TheIntegrationTakesTheChosenAccelerometerBeforeCompensation) {
    struct Case {
        AccelerometerRange range;
        bool compensate;
        std::uint16_t accelerationZ, acceleration100g;
        std::int32_t speed;  // mm/s after three records
        std::int32_t storedZ;
    };
    const Case cases[] = {
        {AccelerometerRange::Range16g, false, 2048 * 2, 8, 131, 2000},
        {AccelerometerRange::Range16g, true, 2048 * 2, 8, 131, 1000},
        {AccelerometerRange::Range100g, true, 0, 28, 139, -1000},
        {AccelerometerRange::Range16g, false, 0, 28, 0, 0},
    };
    for (const Case& c : cases) {
        SensorRecordRaw record;
        record.AccelerationZ = c.accelerationZ;
        record.Acceleration100g = c.acceleration100g;
        Decode(LogOfSensorPages(LogFileBuilder::kOneTickRate, {record, record, record}), Factors(1), {c.compensate, c.range});
        EXPECT_EQ(tables.FlightRecords[2][FlightField::AccelSpeed], c.speed);
        EXPECT_EQ(tables.FlightRecords[2][FlightField::AccelerationZ], c.storedZ);
    }
}

TEST(EventRowTimeTextTest, MinutesSecondsAndHundredths) {
    const struct {
        std::int32_t logTime;
        const char* text;
    } cases[] = {{0, "0 : 00,00"}, {12345, "2 : 03,45"}, {5999, "0 : 59,99"}, {6000, "1 : 00,00"}, {600000, "100 : 00,00"}};
    for (const auto& c : cases) EXPECT_EQ(EventRowTimeText(c.logTime), c.text) << c.logTime;
}

TEST_F(LogAnalysisTest, EventRowsCarryTheirTimesAndNamesAfterTheStartRow) {
    LogFileBuilder log;
    log.AddHeaderPage(1, {});
    log.AddSensorPage(LogFileBuilder::kOneTickRate,
                      std::vector<SensorRecordRaw>{SensorAt(0, 0, 1), SensorAt(0), SensorAt(0, 0, 45), SensorAt(0), SensorAt(0)});
    // 49 pages of quiet short records at 100 ms: log time 5 + 12250.
    const std::vector<ShortRecordRaw> quiet(25);
    for (int page = 0; page < 49; ++page) log.AddShortPage(LogFileBuilder::kTenTickRate, quiet);
    std::vector<ShortRecordRaw> withEvents(25);
    withEvents[9].Event = 21;   // the last name
    withEvents[10].Event = 31;  // no row for a short record's code above 30
    withEvents[11].Event = 30;  // beyond the names
    log.AddShortPage(LogFileBuilder::kTenTickRate, withEvents);
    // A second load starts the list afresh.
    Decode(log, Factors(1));
    Decode(log, Factors(1));

    const struct {
        int row;
        const char* number;
        const char* time;
        const char* text;
    } expected[] = {
        {1, "1", "0 : 00,00", " Начало записи лога"},
        // A sensor record's row carries the time after it...
        {2, "2", "0 : 00,01", "(1)  Cтарт по ускорению"},
        {3, "3", "0 : 00,03", "(45)  Неизвестное событие №45"},
        // ...a short record's the time before it.
        {4, "4", "2 : 03,45", "(21)  Зафиксирован внештатный старт"},
        {5, "5", "2 : 03,65", "(30)  Неизвестное событие №30"},
        {6, "", "", ""},
    };
    ASSERT_EQ(grid->RowCount(), 7);
    for (const auto& e : expected) {
        EXPECT_EQ(grid->Cells(0, e.row), e.number) << "row " << e.row;
        EXPECT_EQ(grid->Cells(1, e.row), e.time) << "row " << e.row;
        EXPECT_EQ(grid->Cells(2, e.row), e.text) << "row " << e.row;
    }
}

TEST_F(LogAnalysisTest, ExtentsSpanTheActiveSeriesFourTo24) {
    std::vector<SensorRecordRaw> records;
    for (std::uint16_t altitude : {100, 300, 200, 200, 200}) {
        SensorRecordRaw record = SensorAt(altitude, 2048 * 3);
        record.Roll = 9000;  // 90 degrees
        records.push_back(record);
    }
    Decode(LogOfSensorPages(LogFileBuilder::kOneTickRate, records), Factors(1));
    struct Case {
        const char* what;
        std::vector<int> active;
        DataExtents extents;
    };
    const Case cases[] = {
        {"nothing shown", {}, {0, 0, 0, 0}},
        {"barometric altitude", {kBaroAltitudeSeries}, {0, 10, 4, 20}},
        {"altitude and roll", {kBaroAltitudeSeries, kRollSeries}, {0, 10, 4, 90}},
        {"acceleration X", {kAccelerationXSeries}, {0, 3, 4, 3}},
        {"the 100 g series counts", {kAcceleration100gSeries, kAccelerationXSeries}, {0, 0, 4, 3}},
        {"accelerometer altitude and speed do not count", {kAccelAltitudeSeries, kAccelSpeedSeries}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        for (int series = kFirstChannelSeries; series <= kLastChannelSeries; ++series)
            table.Series(series).SetActive(std::find(c.active.begin(), c.active.end(), series) != c.active.end());
        EXPECT_EQ(ComputeDataExtents(*table.chart), c.extents) << c.what;
    }
}
