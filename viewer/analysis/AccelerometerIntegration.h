#pragma once
// Altitude and speed by accelerometer: the vertical acceleration of each
// sensor record, averaged over three samples, integrated once per 1/100 s
// from the launch on; after burnout negative results are stored as 0.

#include "viewer/log/LogRecordSteps.h"

#include <array>

class AccelerometerIntegration : public LogRecordSteps {
public:
    void ResetIntegration() override;
    void IntegrateAcceleration(std::int32_t mg, WorkingRecord& record) override;

    bool Launched() const { return launched_; }
    bool BurnedOut() const { return burnedOut_; }
    double Speed() const { return speed_; }        // m/s
    double Altitude() const { return altitude_; }  // m
    // The three-sample average the last record was integrated with, mg.
    double Average() const { return (double(samples_[0]) + samples_[1] + samples_[2]) / 3; }

private:
    void Step(double average);

    std::array<std::int32_t, 3> samples_{};
    bool launched_ = false;
    bool burnedOut_ = false;
    double speed_ = 0;
    double altitude_ = 0;
};
