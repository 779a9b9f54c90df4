#pragma once
// Scaling of 24- and 32-bit bitmaps with a separable filter: rows first,
// then columns; the alpha byte of 32-bit pictures is filtered like colours.

#include <cstdint>
#include <vector>

class TBitmap;

enum TSkResampleFilter : std::uint8_t {
    rfBox = 0,
    rfTriangle = 1,
    rfHermite = 2,
    rfBell = 3,
    rfBSpline = 4,
    rfSinc = 5,
    rfMitchell = 6,
};

// One source pixel's share in a destination pixel: weight in 16.16 fixed point.
struct TSkContributor {
    int SourceIndex = 0;
    int Weight = 0;
};
using TSkContributorList = std::vector<std::vector<TSkContributor>>;

// Per destination index, the source indexes (mirrored at both ends) and their weights.
TSkContributorList BuildContributors(int newSize, int oldSize, TSkResampleFilter filter);
// The filter's value at distance `x` (signed; only the box looks at the sign).
double FilterWeight(TSkResampleFilter filter, double x);
double FilterRadius(TSkResampleFilter filter);

// `destination` becomes `source` scaled to newWidth x newHeight. A new height
// of 0 does nothing; a source that is not 32-bit is turned into 24 bits first;
// a source below 2 x 2 raises Exception "Source bitmap is too small".
void ResampleBitmap(TBitmap& source, TBitmap& destination, int newWidth, TSkResampleFilter filter, int newHeight);
