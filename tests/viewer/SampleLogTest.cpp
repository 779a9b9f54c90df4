#include "viewer/log/PagedLogDecoder.h"

#include "tests/support/TempFolder.h"
#include "tests/viewer/RecordingSteps.h"
#include "tools/loggen/SampleFlight.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

const std::string kSampleLog = std::string(VELZAR_SAMPLES_DIR) + "/sample-flight.log";

std::string ReadWholeFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SampleLogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { flight = new SampleFlight(MakeSampleFlight()); }
    static void TearDownTestSuite() {
        delete flight;
        flight = nullptr;
    }
    static SampleFlight* flight;

    FlightTables tables;
    RecordingSteps steps;
};

SampleFlight* SampleLogTest::flight = nullptr;

}  // namespace

TEST_F(SampleLogTest, TheCommittedSampleIsWhatTheGeneratorWrites) {
    EXPECT_EQ(ReadWholeFile(kSampleLog), flight->Log.Bytes());

    TempFolder folder;
    std::string written = (folder.Path() / "LOG001.log").string();
    std::string command = std::string(VELZAR_LOGGEN) + " '" + written + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadWholeFile(written), flight->Log.Bytes());
}

TEST_F(SampleLogTest, TheSampleDecodesToTheFlightItDescribes) {
    PagedLogDecoder decoder(tables);
    decoder.Attach(steps);
    LogLoadResult result = decoder.LoadPagedLog(kSampleLog);
    ASSERT_TRUE(result.Opened);
    EXPECT_TRUE(result.Messages.empty());
    EXPECT_EQ(result.TrailingBytes, 0u);

    ASSERT_TRUE(result.Header.has_value());
    EXPECT_EQ(result.Header->DeviceIdentity(), flight->DeviceIdentity);
    EXPECT_TRUE(std::ranges::equal(result.Header->EasyBlock1(), flight->Settings.Block1));
    EXPECT_TRUE(std::ranges::equal(result.Header->EasyBlock2(), flight->Settings.Block2));

    const auto& samples = flight->Samples;
    ASSERT_EQ(static_cast<std::size_t>(tables.RecordCount - 1), samples.size());
    EXPECT_EQ(tables.LogTime, samples.back().TicksAfter);
    EXPECT_EQ(tables.TickEventCount, tables.LogTime);
    EXPECT_EQ(tables.BurnoutTick, flight->BurnoutTick);

    std::vector<EventRow> expectedRows;
    for (const auto& mark : flight->Events) expectedRows.push_back({mark.LogTime, mark.Code});
    EXPECT_EQ(steps.rows, expectedRows);

    std::int32_t highest = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const FlightRecord& record = tables.FlightRecords[i];
        const FlightSample& sample = samples[i];
        SCOPED_TRACE(testing::Message() << "record " << i);
        EXPECT_EQ(record[FlightField::BaroAltitude], sample.BaroAltitude);
        EXPECT_EQ(record[FlightField::PowerVoltage], sample.PowerVoltage);
        // Counts of 0.49 mg are quartered: up to 2 mg lost, then rounding.
        EXPECT_NEAR(record[FlightField::AccelerationZ], sample.AccelerationZ, 2.5);
        EXPECT_NEAR(record[FlightField::Acceleration100g], sample.AccelerationZ, 52);  // 102 mg a count
        EXPECT_NEAR(record[FlightField::AngularRateX], sample.AngularRateX, 0.6);
        highest = std::max(highest, record[FlightField::BaroAltitude]);
        if (sample.Event != 0) {
            std::int32_t tickBefore = sample.TicksAfter - (sample.FullRecord ? 1 : 10);
            EXPECT_EQ(tables.TickEvents[tickBefore], sample.Event);
        }
    }
    EXPECT_EQ(highest, flight->ApogeeAltitude);
}

TEST_F(SampleLogTest, TheSampleIsAPlausibleSingleStageFlight) {
    const auto& events = flight->Events;
    std::vector<int> codes;
    for (const auto& mark : events) codes.push_back(mark.Code);
    // Start, burnout, apogee, drogue, main chute by altitude, landing.
    ASSERT_EQ(codes, (std::vector<int>{1, 3, 5, 7, 8, 10}));

    const auto& samples = flight->Samples;
    auto sampleAt = [&](std::int32_t ticks) {
        return *std::find_if(samples.begin(), samples.end(), [&](const auto& s) { return s.TicksAfter == ticks; });
    };
    // On the pad and after landing: short records at 100 ms; in flight: full ones at 10 ms.
    EXPECT_FALSE(samples.front().FullRecord);
    EXPECT_FALSE(samples.back().FullRecord);
    EXPECT_TRUE(sampleAt(events.front().LogTime).FullRecord);
    EXPECT_TRUE(sampleAt(events.back().LogTime).FullRecord);
    EXPECT_EQ(samples.back().BaroAltitude, 0);

    // The boost pushes well above 1 g; the apogee is the highest point.
    EXPECT_GT(sampleAt(events[0].LogTime + 50).AccelerationZ, 3000);
    EXPECT_EQ(flight->BurnoutTick, events[1].LogTime);
    EXPECT_LT(sampleAt(events[1].LogTime + 10).AccelerationZ, 500);
    EXPECT_NEAR(sampleAt(events[2].LogTime).BaroAltitude, flight->ApogeeAltitude, 5);
    EXPECT_GT(flight->ApogeeAltitude, 1000);  // above 100 m
    // The drogue follows the apogee by its delay; the main opens at its altitude.
    EXPECT_EQ(events[3].LogTime - events[2].LogTime, 50);
    EXPECT_NEAR(sampleAt(events[4].LogTime).BaroAltitude, 600, 10);
    EXPECT_EQ(sampleAt(events[5].LogTime).BaroAltitude, 0);
}
