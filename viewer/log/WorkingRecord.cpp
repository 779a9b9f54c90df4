#include "viewer/log/WorkingRecord.h"

FlightRecord ToFlightRecord(const WorkingRecord& record) {
    FlightRecord stored{};
    stored[FlightField::Roll] = record.Roll;
    stored[FlightField::Pitch] = record.Pitch;
    stored[FlightField::Course] = record.Course;
    stored[FlightField::AccelerationX] = record.AccelerationX;
    stored[FlightField::AccelerationY] = record.AccelerationY;
    stored[FlightField::AccelerationZ] = record.AccelerationZ;
    stored[FlightField::AngularRateX] = record.AngularRateX;
    stored[FlightField::AngularRateY] = record.AngularRateY;
    stored[FlightField::AngularRateZ] = record.AngularRateZ;
    stored[FlightField::BaroAltitude] = record.BaroAltitude;
    stored[FlightField::PowerVoltage] = record.PowerVoltage;
    stored[FlightField::AccelAltitude] = record.AccelAltitude;
    stored[FlightField::AccelSpeed] = record.AccelSpeed;
    stored[FlightField::Acceleration100g] = record.Acceleration100g;
    return stored;
}
