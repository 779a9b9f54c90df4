#pragma once
// How far a rectangle zoom may go in: an axis whose labels would step more
// finely than its bound gets back the range it last had from an accepted
// zoom or from the last fit to the data (made at every load), both limits
// at once; an older log's range or an empty one never comes back.

#include <array>

class TCustomAxisPanel;

class ZoomBounds {
public:
    // The ranges the axes have now are the ones to come back to.
    void Remember(TCustomAxisPanel& chart);
    // After a rectangle zoom: each axis keeps its new range, which becomes
    // the remembered one, or is put back when its label step is too fine.
    void Enforce(TCustomAxisPanel& chart);

private:
    struct Range {
        double Minimum = 0, Maximum = 0;
    };
    // The bottom axis, the left axis, custom axes 0-3.
    static constexpr int kBoundedAxes = 6;
    std::array<Range, kBoundedAxes> remembered_{};
};
