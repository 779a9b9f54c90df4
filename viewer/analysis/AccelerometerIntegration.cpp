#include "viewer/analysis/AccelerometerIntegration.h"

#include "ui/core/Rounding.h"

#include <algorithm>

namespace {

constexpr double kLaunchAbove = 1200;   // mg
constexpr double kBurnoutBelow = 500;   // mg
constexpr double kOneG = 1000;          // mg
constexpr double kStandardGravity = 9.80665;
constexpr double kStepsPerSecond = 100;
constexpr double kMilliPerUnit = 1000;

// Thousandths as the record keeps them; a run-away integration stays at
// the ends of the field's range rather than wrapping round.
std::int32_t Thousandths(double value) {
    constexpr double kLimit = 2147483647.0;
    return static_cast<std::int32_t>(Round(std::clamp(value * kMilliPerUnit, -kLimit, kLimit)));
}

}  // namespace

void AccelerometerIntegration::ResetIntegration() {
    samples_ = {};
    launched_ = burnedOut_ = false;
    speed_ = altitude_ = 0;
}

void AccelerometerIntegration::IntegrateAcceleration(std::int32_t mg, WorkingRecord& record) {
    samples_ = {samples_[1], samples_[2], mg};
    const double average = Average();
    if (average > kLaunchAbove && !launched_) launched_ = true;
    if (launched_ && !burnedOut_) {
        if (average < kBurnoutBelow) {
            burnedOut_ = true;
        } else {
            Step(average);
            record.AccelSpeed = Thousandths(speed_);
            record.AccelAltitude = Thousandths(altitude_);
        }
    }
    // The sample that ends the burn is integrated here already.
    if (burnedOut_) {
        Step(average);
        record.AccelSpeed = Thousandths(std::max(speed_, 0.0));
        record.AccelAltitude = Thousandths(std::max(altitude_, 0.0));
    }
}

void AccelerometerIntegration::Step(double average) {
    speed_ += (average - kOneG) / kOneG * kStandardGravity / kStepsPerSecond;
    altitude_ += speed_ / kStepsPerSecond;
}
