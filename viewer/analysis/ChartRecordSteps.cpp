#include "viewer/analysis/ChartRecordSteps.h"

#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

namespace {

struct ChannelFeed {
    int Series;
    FlightField Field;
    double StateDivisor;   // record field to the state unit
    double OutputDivisor;  // state to the point
};

// In the order the points are appended. GPS altitude and speed (13, 14)
// get no points from a paged log.
constexpr ChannelFeed kChannelFeeds[] = {
    {kAccelerationXSeries, FlightField::AccelerationX, 1, 1000},
    {kAccelerationYSeries, FlightField::AccelerationY, 1, 1000},
    {kAccelerationZSeries, FlightField::AccelerationZ, 1, 1000},
    {kAngularRateXSeries, FlightField::AngularRateX, 1, 1},
    {kAngularRateYSeries, FlightField::AngularRateY, 1, 1},
    {kAngularRateZSeries, FlightField::AngularRateZ, 1, 1},
    {kBaroAltitudeSeries, FlightField::BaroAltitude, 10, 1},
    {kBaroTemperatureSeries, FlightField::BaroTemperature, 10, 1},
    {kSensorTemperatureSeries, FlightField::GyroTemperature, 10, 1},
    {kRollSeries, FlightField::Roll, 100, 1},
    {kPitchSeries, FlightField::Pitch, 100, 1},
    {kCourseSeries, FlightField::Course, 100, 1},
    {kElectronicsVoltageSeries, FlightField::ElectronicsVoltage, 1000, 1},
    {kPowerVoltageSeries, FlightField::PowerVoltage, 1000, 1},
    {kServo1Series, FlightField::Servo1, 10, 1},
    {kServo1Series + 1, FlightField::Servo2, 10, 1},
    {kServo1Series + 2, FlightField::Servo3, 10, 1},
    {kServo4Series, FlightField::Servo4, 10, 1},
    {kAccelAltitudeSeries, FlightField::AccelAltitude, 1000, 1},
    {kAccelSpeedSeries, FlightField::AccelSpeed, 1000, 1},
    {kAcceleration100gSeries, FlightField::Acceleration100g, 1000, 1},
};

constexpr int kTicksOfLongRecord = 10;

double StateValue(const FlightRecord& record, const ChannelFeed& feed) {
    return record[feed.Field] / feed.StateDivisor;
}

// These two draw a long record as a straight line from the old state to the
// new one; the others step towards the value ten times.
bool IsInterpolated(int series) {
    return series == kAccelerationZSeries || series == kBaroAltitudeSeries;
}

}  // namespace

void ChartRecordSteps::AppendRecordToChart(const WorkingRecord& working, std::int32_t, RecordRate rate) {
    const FlightRecord record = ToFlightRecord(working);
    if (seedNext_) {
        Seed(record);
        seedNext_ = false;
    }
    if (rate == RecordRate::OneTick)
        AppendOneTick(record);
    else
        AppendTenTicks(record);
}

void ChartRecordSteps::Seed(const FlightRecord& record) {
    for (const ChannelFeed& feed : kChannelFeeds) states_[feed.Series] = static_cast<float>(StateValue(record, feed));
}

float ChartRecordSteps::Smoothed(int series, double x) const {
    const double n = factors_[series];
    return static_cast<float>((n * states_[series] + x) / (n + 1));
}

void ChartRecordSteps::AppendOneTick(const FlightRecord& record) {
    for (const ChannelFeed& feed : kChannelFeeds) {
        states_[feed.Series] = Smoothed(feed.Series, StateValue(record, feed));
        chart_.SeriesAt(feed.Series)->AddPointY(states_[feed.Series] / feed.OutputDivisor);
    }
}

void ChartRecordSteps::AppendTenTicks(const FlightRecord& record) {
    const std::array<float, kChartSeriesCount> oldStates = states_;
    std::array<float, kChartSeriesCount> targets{};
    for (const ChannelFeed& feed : kChannelFeeds)
        if (IsInterpolated(feed.Series)) targets[feed.Series] = Smoothed(feed.Series, StateValue(record, feed));
    for (int round = 0; round < kTicksOfLongRecord; ++round) {
        for (const ChannelFeed& feed : kChannelFeeds) {
            const int series = feed.Series;
            double point;
            if (IsInterpolated(series)) {
                const double old = oldStates[series];
                point = old + (targets[series] - old) * round / kTicksOfLongRecord;
            } else {
                states_[series] = Smoothed(series, StateValue(record, feed));
                point = states_[series];
            }
            chart_.SeriesAt(series)->AddPointY(point / feed.OutputDivisor);
        }
    }
    for (const ChannelFeed& feed : kChannelFeeds)
        if (IsInterpolated(feed.Series)) states_[feed.Series] = targets[feed.Series];
}
