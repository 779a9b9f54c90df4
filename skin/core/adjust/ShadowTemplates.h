#pragma once
// The shadow pictures and margins forms with extended borders use, cut from
// the skin's EXBORDER image or taken from the library's default shadows.

#include "skin/core/data/SkinLookups.h"

#include "ui/core/Types.h"
#include "ui/graphics/Bitmap.h"

#include <memory>

struct TSkShadowTemplates {
    std::unique_ptr<TBitmap> Active;
    std::unique_ptr<TBitmap> Inactive;
    // Widths on the left, top, right and bottom.
    TRect Margins;
};

// The library's own shadows; either missing means none.
struct TSkDefaultShadows {
    const TBitmap* Active = nullptr;
    const TBitmap* Inactive = nullptr;
};

// Margin of the default shadows on every side.
constexpr int kDefaultShadowMargin = 9;

void UpdateShadowTemplates(const TSkinContent& skin, const TSkinData& data, bool active, bool extendedBorders,
                           const TSkDefaultShadows& defaults, TSkShadowTemplates& templates);
