#pragma once
// The text colours of a section state: the main colour and the contours
// drawn one pixel off to each side (-1 in the skin: no contour there).
// A section with one state has no hot colours of its own, so it is drawn
// in its normal colours whatever the hot flag says.

#include "skin/core/data/SkinRecords.h"

#include "ui/core/Types.h"

#include <cstdint>
#include <vector>

struct TSkContour {
    std::uint32_t Color = 0;
    TPoint Offset;
};

struct TSkTextColors {
    std::uint32_t Main = 0;
    // Left, top, right and bottom; -1 where there is none.
    std::int32_t Sides[4] = {-1, -1, -1, -1};
    // The contours that are set, in drawing order.
    std::vector<TSkContour> Contours() const;
};

// The state whose colours a text uses: hot only when the section has a hot state.
const TSkGenState& TextState(const TSkGeneralData& section, bool hot);
TSkTextColors SectionTextColors(const TSkGeneralData& section, bool hot);
TRect MovedRect(const TRect& rect, TPoint by);
