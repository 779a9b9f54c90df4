#include "skin/core/text/SectionTextColors.h"

namespace {

constexpr std::int32_t kNoContour = -1;
// Left, top, right, bottom.
constexpr TPoint kContourOffsets[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};

}  // namespace

std::vector<TSkContour> TSkTextColors::Contours() const {
    std::vector<TSkContour> out;
    for (int side = 0; side < 4; ++side)
        if (Sides[side] != kNoContour) out.push_back({static_cast<std::uint32_t>(Sides[side]), kContourOffsets[side]});
    return out;
}

const TSkGenState& TextState(const TSkGeneralData& section, bool hot) {
    return section.StateProps[hot && section.StateCount > 1 ? HotState : NormalState];
}

TSkTextColors SectionTextColors(const TSkGeneralData& section, bool hot) {
    const TSkGenState& state = TextState(section, hot);
    TSkTextColors colors;
    colors.Main = static_cast<std::uint32_t>(state.FontColor[0]);
    for (int side = 0; side < 4; ++side) colors.Sides[side] = state.FontColor[static_cast<std::size_t>(side) + 1];
    return colors;
}

TRect MovedRect(const TRect& rect, TPoint by) {
    return TRect(rect.Left + by.X, rect.Top + by.Y, rect.Right + by.X, rect.Bottom + by.Y);
}
