#include "tools/loggen/SampleFlight.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kGravity = 9.80665;        // m/s^2
constexpr double kTick = 0.01;              // s
// Phases are timed in whole ticks so that no sum of tenths drifts.
constexpr long kBoostTicks = 120;
constexpr double kThrust = 5.5;             // g, as the accelerometer reads it
constexpr double kBodyDrag = 0.001;         // 1/m: drag acceleration = k v^2
constexpr long kDrogueDelayTicks = 50;      // after apogee
constexpr double kDrogueSpeed = 15.0;       // m/s, steady descent
constexpr double kMainAltitude = 60.0;      // m
constexpr double kMainSpeed = 6.0;          // m/s, steady descent
constexpr long kLandingDetectionTicks = 100;  // on the ground before the landing event
constexpr std::int32_t kPadVoltage = 8200;  // mV
constexpr int kGroundPagesBefore = 1;
constexpr int kGroundPagesAfter = 2;

enum EventCodes : std::uint8_t {
    StartByAcceleration = 1,
    BurnoutByAcceleration = 3,
    ApogeeByPressure = 5,
    DrogueDeployed = 7,
    MainByAltitude = 8,
    LandingByPressure = 10,
};

// The controller's sign rule read backwards: -32768 has no code, so the
// range ends one short of it.
std::uint16_t SignedCode(double value) {
    auto whole = static_cast<std::int32_t>(std::lround(std::clamp(value, -32767.0, 32767.0)));
    return static_cast<std::uint16_t>(whole < 0 ? whole + 65536 : whole);
}

std::uint16_t AccelerationCode(double mg) {
    return SignedCode(mg * 2.048);  // 2048 counts per g
}

std::uint16_t Acceleration100gCode(double mg) {
    return SignedCode(mg * 9766.0 / 1000000.0 + 8.0);  // 8 counts is 0 g
}

std::uint16_t AngularRateCode(double degreesPerSecond) {
    return SignedCode(degreesPerSecond * 16.38);
}

template <std::size_t N>
void Put16(std::array<std::uint8_t, N>& block, std::size_t at, std::uint16_t value) {
    block[at] = static_cast<std::uint8_t>(value >> 8);
    block[at + 1] = static_cast<std::uint8_t>(value);
}

// Nose up on the rail, tilting over towards apogee.
double AscentPitch(double t) {
    double f = std::min(1.0, t / 7.0);
    return 88.0 - 60.0 * f * f;
}

// The settings the flight ran with, scaled as the settings window writes them.
SettingsSnapshot FlightSettings() {
    SettingsSnapshot s;
    auto& b1 = s.Block1;
    Put16(b1, 0, (2 + 1) * 512);  // start acceleration 2 g
    Put16(b1, 2, 10);              // acceleration time 0.1 s
    b1[4] = 1;                     // apogee-imitation timer on
    Put16(b1, 5, 80);              // 8 s
    Put16(b1, 7, 600);             // descent-end imitation timer 60 s
    b1[9] = 1;                     // burnout-imitation timer (acceleration start) on
    Put16(b1, 10, 15);             // 1.5 s
    b1[12] = 1;                    // barometric start on
    Put16(b1, 13, 100);            // altitude difference 10 m
    Put16(b1, 15, 5);              // filter 0.5 s
    b1[17] = 0;                    // burnout-imitation timer (barometric start) off
    Put16(b1, 18, 20);             // 2 s
    b1[20] = 1;                    // abnormal-start detection on
    Put16(b1, 21, 300);            // 30 degrees
    Put16(b1, 23, 50);             // fixation 0.5 s
    Put16(b1, 25, kDrogueDelayTicks / 10);
    Put16(b1, 27, 0);              // main-chute delay 0 s
    Put16(b1, 29, SignedCode(-0.5 * 512));  // braking acceleration -0.5 g
    Put16(b1, 31, 20);             // fixation 0.2 s
    Put16(b1, 33, 10);             // barometer lock 1 s
    Put16(b1, 35, 20);             // altitude drop 2 m
    Put16(b1, 37, 5);              // filter 0.5 s
    auto& b2 = s.Block2;
    Put16(b2, 0, 10);              // igniter burn 1 s
    b2[2] = 1;                     // drogue on
    Put16(b2, 3, kDrogueDelayTicks / 10);
    b2[5] = 1;                     // main chute on
    Put16(b2, 6, 10);              // barometer lock 1 s
    Put16(b2, 8, 5);               // barometer filter 0.5 s
    Put16(b2, 10, static_cast<std::uint16_t>(kMainAltitude));
    Put16(b2, 12, 200);            // main chute by time 20 s
    Put16(b2, 14, 20);             // landing altitude spread 2 m
    Put16(b2, 16, 5);              // filter 0.5 s
    Put16(b2, 18, kLandingDetectionTicks / 100);
    return s;
}

// The rocket between launch and landing, one 10 ms tick at a time.
class FlightModel {
public:
    // Advances one tick; the event code the controller logs for it, or 0.
    std::uint8_t Step() {
        ++ticks_;
        t_ = ticks_ * kTick;
        std::uint8_t event = 0;
        if (ticks_ == 1) event = StartByAcceleration;
        if (boosting_ && ticks_ > kBoostTicks) {
            boosting_ = false;
            event = BurnoutByAcceleration;
        } else if (!boosting_ && !pastApogee_ && v_ <= 0) {
            pastApogee_ = true;
            apogeeTick_ = ticks_;
            event = ApogeeByPressure;
        } else if (pastApogee_ && !drogue_ && ticks_ - apogeeTick_ >= kDrogueDelayTicks) {
            drogue_ = true;
            drogueTime_ = chargeTime_ = t_;
            event = DrogueDeployed;
        } else if (drogue_ && !main_ && h_ <= kMainAltitude) {
            main_ = true;
            chargeTime_ = t_;
            event = MainByAltitude;
        } else if (landed_ && !landingLogged_ && ticks_ - touchdownTick_ >= kLandingDetectionTicks) {
            landingLogged_ = true;
            event = LandingByPressure;
        }
        Move();
        return event;
    }

    bool LandingLogged() const { return landingLogged_; }
    double Time() const { return t_; }
    double Altitude() const { return h_; }
    // What the body-axis accelerometer reads, in g.
    double ProperAcceleration() const { return proper_; }
    double RollRate() const { return boosting_ ? 120.0 : 120.0 * std::exp(-(t_ - kBoostTicks * kTick)); }
    double Pitch() const {  // degrees; under the chutes it swings about level
        if (!drogue_) return AscentPitch(t_);
        double s = t_ - drogueTime_;
        return AscentPitch(drogueTime_) * std::exp(-s / 0.4) + 5.0 * std::sin(2 * std::numbers::pi * s / 2.5);
    }
    std::int32_t PowerVoltage() const {
        if (boosting_) return kPadVoltage - 300;
        if ((drogue_ || main_) && t_ - chargeTime_ < 0.3) return kPadVoltage - 600;  // an igniter firing
        return kPadVoltage - 50;
    }

private:
    void Move() {
        if (landed_) {
            proper_ = 1.0;
            return;
        }
        double drag = DragCoefficient() * v_ * std::abs(v_);  // m/s^2, against the motion
        proper_ = (boosting_ ? kThrust : 0.0) - drag / kGravity;
        v_ += (proper_ - 1.0) * kGravity * kTick;
        h_ += v_ * kTick;
        if (pastApogee_ && h_ <= 0) {
            h_ = v_ = 0;
            landed_ = true;
            touchdownTick_ = ticks_;
            proper_ = 1.0;
        }
    }

    double DragCoefficient() const {
        if (main_) return kGravity / (kMainSpeed * kMainSpeed);
        if (drogue_) return kGravity / (kDrogueSpeed * kDrogueSpeed);
        return kBodyDrag;
    }

    double t_ = 0, h_ = 0, v_ = 0, proper_ = 1.0;
    long ticks_ = 0;
    bool boosting_ = true, pastApogee_ = false, drogue_ = false, main_ = false, landed_ = false;
    bool landingLogged_ = false;
    long apogeeTick_ = 0, touchdownTick_ = 0;
    double drogueTime_ = 0, chargeTime_ = 0;
};

class SampleFlightWriter {
public:
    SampleFlight Write() {
        flight_.DeviceIdentity = 0x2A17C3E5;
        flight_.Settings = FlightSettings();
        flight_.Log.AddHeaderPage(flight_.DeviceIdentity, flight_.Settings);
        for (int page = 0; page < kGroundPagesBefore; ++page) AddGroundPage();
        AddFlightPages();
        for (int page = 0; page < kGroundPagesAfter; ++page) AddGroundPage();
        return std::move(flight_);
    }

private:
    void AddGroundPage() {
        std::array<ShortRecordRaw, LogFileBuilder::kShortRecordsPerPage> records{};
        for (auto& record : records) {
            record.BaroAltitude = 0;
            record.PowerVoltage = SignedCode(kPadVoltage);
            ticks_ += 10;
            flight_.Samples.push_back({ticks_, false, 0, 0, 0, kPadVoltage, 0});
        }
        flight_.Log.AddShortPage(LogFileBuilder::kTenTickRate, records);
    }

    void AddFlightPages() {
        FlightModel model;
        double roll = 0;
        double previousPitch = model.Pitch();
        while (!model.LandingLogged()) {
            std::array<SensorRecordRaw, LogFileBuilder::kSensorRecordsPerPage> records{};
            for (auto& record : records) {
                std::uint8_t event = model.Step();
                double t = model.Time();
                double z = model.ProperAcceleration() * 1000.0;
                double rollRate = model.RollRate();
                roll = std::remainder(roll + rollRate * kTick, 360.0);
                double pitch = model.Pitch();
                double pitchRate = (pitch - previousPitch) / kTick;
                previousPitch = pitch;
                auto altitude = static_cast<std::int32_t>(std::lround(model.Altitude() * 10));
                std::int32_t voltage = model.PowerVoltage();

                record.Roll = SignedCode(roll * 100);
                record.Pitch = SignedCode(pitch * 100);
                record.Course = SignedCode(4500 + 300 * std::sin(t / 3));
                record.AccelerationX = AccelerationCode(40 * std::sin(2 * std::numbers::pi * 3 * t));
                record.AccelerationY = AccelerationCode(25 * std::cos(2 * std::numbers::pi * 2 * t));
                record.AccelerationZ = AccelerationCode(z);
                record.AngularRateX = AngularRateCode(rollRate);
                record.AngularRateY = AngularRateCode(pitchRate);
                record.AngularRateZ = AngularRateCode(2 * std::sin(t));
                record.Acceleration100g = Acceleration100gCode(z);
                record.BaroAltitude = SignedCode(altitude);
                record.PowerVoltage = SignedCode(voltage);
                record.Event = event;

                ticks_ += 1;
                flight_.Samples.push_back({ticks_, true, altitude, z, rollRate, voltage, event});
                if (event != 0) flight_.Events.push_back({ticks_, event});
                if (event == BurnoutByAcceleration) flight_.BurnoutTick = ticks_;
                flight_.ApogeeAltitude = std::max(flight_.ApogeeAltitude, altitude);
            }
            flight_.Log.AddSensorPage(LogFileBuilder::kOneTickRate, records);
        }
    }

    SampleFlight flight_;
    std::int32_t ticks_ = 0;
};

}  // namespace

SampleFlight MakeSampleFlight() {
    return SampleFlightWriter().Write();
}
