#pragma once
// The main window's chart holds 39 line series, addressed by index
// everywhere in the viewer: the measurement markers, the 23 channel series,
// the event markers, the zero line and a spare one.

#include <array>

inline constexpr int kChartSeriesCount = 39;

inline constexpr int kStartMarkerSeries = 0;
inline constexpr int kEndMarkerSeries = 1;
inline constexpr int kLevelMarker1Series = 2;
inline constexpr int kLevelMarker2Series = 3;

inline constexpr int kFirstChannelSeries = 4;
inline constexpr int kLastChannelSeries = 26;

inline constexpr int kAccelerationXSeries = 4;
inline constexpr int kAccelerationYSeries = 5;
inline constexpr int kAccelerationZSeries = 6;
inline constexpr int kAngularRateXSeries = 7;
inline constexpr int kAngularRateYSeries = 8;
inline constexpr int kAngularRateZSeries = 9;
inline constexpr int kBaroAltitudeSeries = 10;
inline constexpr int kBaroTemperatureSeries = 11;
inline constexpr int kSensorTemperatureSeries = 12;
inline constexpr int kGpsAltitudeSeries = 13;
inline constexpr int kGpsSpeedSeries = 14;
inline constexpr int kRollSeries = 15;
inline constexpr int kPitchSeries = 16;
inline constexpr int kCourseSeries = 17;
inline constexpr int kElectronicsVoltageSeries = 18;
inline constexpr int kPowerVoltageSeries = 19;
inline constexpr int kServo1Series = 20;
inline constexpr int kServo4Series = 23;
inline constexpr int kAcceleration100gSeries = 24;
inline constexpr int kAccelAltitudeSeries = 25;
inline constexpr int kAccelSpeedSeries = 26;

inline constexpr int kZeroLineSeries = 31;
inline constexpr int kSpareSeries = 38;

// Series a load clears before it adds points (the "clear all" command too).
inline constexpr int kLastClearedSeries = 29;

inline constexpr std::array<int, 10> EventMarkerSeries{27, 28, 29, 30, 32, 33, 34, 35, 36, 37};
