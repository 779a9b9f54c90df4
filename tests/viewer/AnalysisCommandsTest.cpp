// The analysis commands: the integration between the time markers and the
// launch-to-burnout integration, on sample sequences and through the main
// window on generated logs of known acceleration.

#include "tests/viewer/MainWindowFixture.h"
#include "tools/loggen/LogFileBuilder.h"
#include "ui/core/FloatFormatting.h"
#include "viewer/analysis/LaunchIntegration.h"
#include "viewer/analysis/MarkerIntegration.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace {

constexpr long double kUnitsPerMetrePerSecondSquared = 512 / 9.80665L;
constexpr long double kG = 9.80665L;

std::string Number(long double value) { return FloatToStrF(static_cast<double>(value), TFloatFormat::ffNumber, 15, 3); }

// Speed and distance of a run of window means (in 1/512 g) less 1 g, a tick each.
std::pair<long double, long double> Integrate(const std::vector<long double>& means, long double oneG) {
    long double speed = 0, distance = 0;
    for (long double mean : means) {
        speed += (mean - oneG) / kUnitsPerMetrePerSecondSquared / 100;
        distance += speed / 100;
    }
    return {speed, distance};
}

}  // namespace

TEST(MarkerIntegrationTest, WindowMeansSpeedAndDistanceFollowTheSamples) {
    struct Case {
        const char* name;
        std::vector<double> g;  // the acceleration of each tick
        std::int32_t start, end;
        std::vector<long double> means;  // the three-sample means the steps integrate
        long double mean;
    };
    std::vector<double> flat1g(300, 1.0);
    std::vector<double> step(20, 1.0);
    std::fill(step.begin() + 10, step.end(), 2.0);
    const Case cases[] = {
        // The seeds are scaled like every later sample: a flat 1 g gains nothing.
        {"flat 1 g", flat1g, 100, 199, std::vector<long double>(100, 512), 512},
        {"one tick", step, 12, 12, {1024}, 1024},
        // Seeds 512, 1024, 1024 (ticks 9, 10, 11), then each sample in turn.
        {"step to 2 g", step, 9, 12, {2048 / 3.0L, 2048 / 3.0L, 2560 / 3.0L, 1024}, (512 + 3 * 1024) / 4.0L},
        // At the end of the data the last sample stands in for the seeds beyond it.
        {"last tick", step, 19, 19, {1024}, 1024},
    };
    for (const Case& c : cases) {
        const auto ticks = static_cast<std::int32_t>(c.g.size());
        std::int32_t highestRead = -1;
        const auto at = [&](std::int32_t tick) {
            highestRead = std::max(highestRead, tick);
            return c.g.at(tick);
        };
        const MarkerIntegration result = IntegrateBetweenMarkers(at, ticks, c.start, c.end, 512);
        const auto [speed, distance] = Integrate(c.means, 512);
        EXPECT_NEAR(static_cast<double>(result.Mean), static_cast<double>(c.mean), 1e-9) << c.name;
        EXPECT_NEAR(static_cast<double>(result.Speed), static_cast<double>(speed), 1e-12) << c.name;
        EXPECT_NEAR(static_cast<double>(result.Distance), static_cast<double>(distance), 1e-12) << c.name;
        EXPECT_LT(highestRead, ticks) << c.name;
    }
}

TEST(MarkerIntegrationTest, MarkersOutsideTheDataOrReversedAreRefusedWithAMessage) {
    struct Case {
        std::int32_t ticks, start, end;
        const char* message;  // a piece of it; empty: no problem
    };
    const Case cases[] = {
        {0, 0, 0, "Нет данных"},
        {100, 50, 40, "раньше маркера начала"},
        {100, 0, 100, "за пределами данных"},
        {100, -1, 10, "за пределами данных"},
        {100, 0, 99, ""},
        {100, 99, 99, ""},
    };
    for (const Case& c : cases) {
        const std::string problem = MarkerIntegrationProblem(c.ticks, c.start, c.end);
        if (*c.message == '\0')
            EXPECT_EQ(problem, "") << c.ticks << " " << c.start << " " << c.end;
        else
            EXPECT_NE(problem.find(c.message), std::string::npos) << problem;
    }
}

TEST(MarkerIntegrationTest, LinesCarryThousandsAndThreeDecimals) {
    EXPECT_EQ(MarkerIntegrationLines({1536, 12.3456L, -0.0004L}),
              (std::vector<std::string>{"Sred = 1 536,000", "Speed = 12,346m/c", "Dist = 0,000m"}));
}

TEST(LaunchIntegrationTest, LaunchAndBurnoutLinesFollowTheWindowMeans) {
    // 1 g on the pad, 3 g for 50 ticks from tick 100, then 0,5 g.
    std::vector<std::int32_t> mg(100, 1000);
    mg.insert(mg.end(), 50, 3000);
    mg.insert(mg.end(), 50, 500);
    // The means from the launch (tick 100) to the first below 1 g (tick 152).
    std::vector<long double> means{5000 / 3.0L, 7000 / 3.0L};
    means.insert(means.end(), 48, 3000);
    means.insert(means.end(), {6500 / 3.0L, 4000 / 3.0L, 500});
    long double speed = 0, altitude = 0;
    for (long double mean : means) {
        speed += (mean - 1000) / 1000 * kG / 100;
        altitude += speed / 100;
    }
    EXPECT_EQ(LaunchIntegrationLines(mg, 0),
              (std::vector<std::string>{"Index start = 100,000", "Time start :0:01:00", "Speed = " + Number(speed) + "m/c",
                                        "Alt = " + Number(altitude) + "m", "Index end = 152,000", "Time end :0:01:52"}));
    EXPECT_EQ(Number(speed), "9,709");
}

TEST(LaunchIntegrationTest, NoLaunchGivesNoLineAndNoBurnoutOnlyTheStart) {
    EXPECT_TRUE(LaunchIntegrationLines(std::vector<std::int32_t>(500, 1199), 0).empty());
    EXPECT_TRUE(LaunchIntegrationLines({}, 0).empty());
    std::vector<std::int32_t> noBurnout(10, 1000);
    noBurnout.insert(noBurnout.end(), 10, 2000);
    EXPECT_EQ(LaunchIntegrationLines(noBurnout, 0),
              (std::vector<std::string>{"Index start = 10,000", "Time start :0:00:10"}));
    // Seeds past the end of the data take its last sample.
    const std::vector<std::int32_t> oneSample{5000};
    EXPECT_EQ(LaunchIntegrationLines(oneSample, 7).size(), 2u);
}

TEST(LaunchIntegrationTest, TimeTextHasUnpaddedMinutes) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "0:00:00"}, {12345, "2:03:45"}, {600000, "100:00:00"}, {6099, "1:00:99"}};
    for (const auto& [tick, text] : cases) EXPECT_EQ(LaunchTimeText(tick), text);
}

namespace {

// One sensor record a tick with this raw vertical acceleration (2048 a g).
void AddTicks(LogFileBuilder& log, int ticks, std::uint16_t accelerationZ) {
    SensorRecordRaw record;
    record.AccelerationZ = accelerationZ;
    std::vector<SensorRecordRaw> page(LogFileBuilder::kSensorRecordsPerPage, record);
    for (int at = 0; at < ticks; at += LogFileBuilder::kSensorRecordsPerPage)
        log.AddSensorPage(LogFileBuilder::kOneTickRate, page);
}

constexpr std::uint16_t kRawPerG = 2048;

class AnalysisCommandsTest : public MainWindowFixture {
protected:
    AnalysisCommandsTest() {
        WriteSettings("[Checked]\nchAccZ=1\n");
        Show();
    }
    std::string OpenGenerated(const LogFileBuilder& log) {
        const std::string file = (folder.Path() / "generated.log").string();
        log.WriteTo(file);
        return OpenLog(file);
    }
    std::vector<std::string> LinesAfter(std::size_t before) const {
        const auto lines = LogLines();
        return {lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()};
    }
};

}  // namespace

TEST_F(AnalysisCommandsTest, AltitudeBetweenTheMarkersOfAConstantAccelerationAgreesWithTheFormula) {
    LogFileBuilder log;
    log.AddHeaderPage(1, {});
    AddTicks(log, 300, kRawPerG * 3 / 2);  // 1,5 g
    OpenGenerated(log);
    ASSERT_EQ(Series(kAccelerationZSeries).Count(), 300);
    Form1->TimeMarkerStart = 100;
    Form1->TimeMarkerEnd = 199;
    const std::size_t before = LogLines().size();
    Form1->Button15->Click();

    // 0,5 g over 100 ticks: v = n a / 100, h = a n (n + 1) / 2 / 100².
    const long double a = 0.5L * kG, n = 100;
    EXPECT_EQ(LinesAfter(before), (std::vector<std::string>{"Sred = 768,000", "Speed = " + Number(n * a / 100) + "m/c",
                                                            "Dist = " + Number(a * n * (n + 1) / 2 / 10000) + "m"}));
    EXPECT_EQ(Number(n * a / 100), "4,903");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(AnalysisCommandsTest, AltitudeRefusesAnEndBeforeTheStartAndAnEmptyChart) {
    Form1->Button15->Click();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("Нет данных"), std::string::npos) << boxes[0];

    LogFileBuilder log;
    log.AddHeaderPage(1, {});
    AddTicks(log, 50, kRawPerG);
    OpenGenerated(log);
    Form1->TimeMarkerStart = 40;
    Form1->TimeMarkerEnd = 10;
    const std::size_t before = LogLines().size();
    Form1->Button15->Click();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[1].find("раньше маркера начала"), std::string::npos) << boxes[1];
    EXPECT_TRUE(LinesAfter(before).empty());

    Form1->TimeMarkerEnd = 45;
    Form1->skEdit1->SetText("1 g");
    Form1->Button15->Click();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_NE(boxes[2].find("числом"), std::string::npos) << boxes[2];
    EXPECT_TRUE(LinesAfter(before).empty());
}

TEST_F(AnalysisCommandsTest, SpeedFindsTheLaunchAndBurnoutOfAGeneratedFlight) {
    LogFileBuilder log;
    log.AddHeaderPage(1, {});
    AddTicks(log, 100, kRawPerG);
    AddTicks(log, 50, kRawPerG * 3);
    AddTicks(log, 50, kRawPerG / 2);
    OpenGenerated(log);
    const std::size_t before = LogLines().size();
    Form1->Button3->Click();
    const auto lines = LinesAfter(before);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Index start = 100,000");
    EXPECT_EQ(lines[1], "Time start :0:01:00");
    EXPECT_EQ(lines[2], "Speed = 9,709m/c");
    EXPECT_EQ(lines[4], "Index end = 152,000");
    EXPECT_EQ(lines[5], "Time end :0:01:52");
}
