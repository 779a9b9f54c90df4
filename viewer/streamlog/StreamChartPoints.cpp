#include "viewer/streamlog/StreamChartPoints.h"

#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"


namespace {

enum class GpsReading { None, Altitude, Speed };

struct StreamFeed {
    int Series;
    FlightField Field;
    double Divisor;  // record field to the point
    GpsReading Gps = GpsReading::None;
};

constexpr StreamFeed kStreamFeeds[] = {
    {kAccelerationXSeries, FlightField::AccelerationX, 1000},
    {kAccelerationYSeries, FlightField::AccelerationY, 1000},
    {kAccelerationZSeries, FlightField::AccelerationZ, 1000},
    {kAngularRateXSeries, FlightField::AngularRateX, 1},
    {kAngularRateYSeries, FlightField::AngularRateY, 1},
    {kAngularRateZSeries, FlightField::AngularRateZ, 1},
    {kBaroAltitudeSeries, FlightField::BaroAltitude, 10},
    {kBaroTemperatureSeries, FlightField::BaroTemperature, 10},
    {kSensorTemperatureSeries, FlightField::GyroTemperature, 10},
    {kGpsAltitudeSeries, FlightField::GpsAltitude, 1, GpsReading::Altitude},
    {kGpsSpeedSeries, FlightField::GpsSpeed, 1, GpsReading::Speed},
    {kRollSeries, FlightField::Roll, 10},
    {kPitchSeries, FlightField::Pitch, 10},
    {kCourseSeries, FlightField::Course, 10},
    {kElectronicsVoltageSeries, FlightField::ElectronicsVoltage, 1000},
    {kPowerVoltageSeries, FlightField::PowerVoltage, 1000},
    {kServo1Series, FlightField::Servo1, 10},
    {kServo1Series + 1, FlightField::Servo2, 10},
    {kServo1Series + 2, FlightField::Servo3, 10},
    {kServo4Series, FlightField::Servo4, 10},
    {kAccelAltitudeSeries, FlightField::AccelAltitude, 1000},
    {kAccelSpeedSeries, FlightField::AccelSpeed, 1000},
};

double PointValue(const StreamFeed& feed, const FlightRecord& record, const GpsFix& lastFix) {
    switch (feed.Gps) {
    case GpsReading::Altitude:
        return lastFix.Altitude;
    case GpsReading::Speed:
        return lastFix.Speed;
    case GpsReading::None:
        break;
    }
    return record[feed.Field] / feed.Divisor;
}

}  // namespace

void StreamChartPoints::AppendStreamRecord(const FlightRecord& record, const GpsFix& lastFix, bool seed) {
    for (const StreamFeed& feed : kStreamFeeds) {
        const double value = PointValue(feed, record, lastFix);
        double& state = states_[feed.Series];
        if (!filterOn_ || seed) {
            state = value;
        } else {
            const double n = factors_[feed.Series];
            state = (n * state + value) / (n + 1);
        }
        chart_.SeriesAt(feed.Series)->AddPointY(state);
    }
}
