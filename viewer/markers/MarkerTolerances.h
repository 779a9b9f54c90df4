#pragma once
// How close the mouse must come to a measurement marker to grab it: a
// three-hundredth of the time axis, a hundredth of the vertical axis.

struct MarkerTolerances {
    double Time;   // ticks
    double Level;  // vertical-axis units
};

MarkerTolerances MarkerTolerancesOf(double bottomMinimum, double bottomMaximum, double leftMinimum,
                                    double leftMaximum);

// Strictly within the tolerance either side of the marker.
inline bool IsNearMarker(double marker, double cursor, double tolerance) {
    return marker - tolerance < cursor && cursor < marker + tolerance;
}
