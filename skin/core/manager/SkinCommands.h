#pragma once
// The skin command: message SkinCommandMsg with the command code in the
// high word of wParam and a small argument in the low word.

#include "skin/core/library/SkinConstants.h"

#include <cstdint>
#include <string>

enum TSkinCommand : std::uint16_t {
    ScNewSkin = 1,           // lParam: the manager
    ScRemoveSkin = 2,        // lParam: the manager
    ScRefresh = 3,           // lParam: the manager
    ScGetProvider = 4,
    ScPassOn = 5,
    ScParentUpdated = 6,
    ScIsSkinned = 7,
    ScSetDeferPaint = 8,
    ScIsPaintDeferred = 10,
    ScIsPartlyHidden = 11,
    ScMenuBorderDrawn = 14,
    ScStopFading = 16,
    ScBackgroundDirty = 17,
    ScRedrawNow = 18,
    ScBackgroundVaries = 19,
    ScBackgroundChanged = 20,
    ScGetBackgroundColor = 21,
    ScPartlyHidden = 22,
    ScRebuildFrame = 23,
    ScRegionOutOfDate = 24,
    ScChildCreated = 25,
    ScGetSectionIndex = 26,
    ScCaptionHeightOrManager = 27,
    ScMouseEnter = 29,
    ScMouseLeave = 30,
    ScBeginSkinUpdate = 31,
    ScEndSkinUpdate = 32,
    ScDropCaches = 33,
    ScGetParentBackground = 34,
    ScByteQuery = 35,
    ScPlainBackground = 36,
    ScGetSkinData = 37,
    ScPrinting = 38,
    ScBeforeScroll = 51,
    ScAfterScroll = 52,
    ScTitleChanged = 62,
};

constexpr platform::WPARAM MakeSkinWParam(std::uint16_t command, std::uint16_t argument = 0) {
    return static_cast<platform::WPARAM>(argument) | (static_cast<platform::WPARAM>(command) << 16);
}
constexpr std::uint16_t SkinCommandOf(platform::WPARAM wParam) { return static_cast<std::uint16_t>(wParam >> 16); }
constexpr std::uint16_t SkinArgumentOf(platform::WPARAM wParam) { return static_cast<std::uint16_t>(wParam & 0xFFFF); }

// The record that travels with ScGetSectionIndex.
struct TxSectionInfo {
    std::int32_t SectionIndex = -1;
    std::string SectionName;
};
