#pragma once
// Small skins built in memory for the painting tests: masks with their own
// pictures (the owner manager only marks them as loaded) and sections.

#include "PixelFixtures.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"

#include <memory>
#include <string>

inline constexpr std::uint32_t kKey = 0x00FF00FF;

// A mask record over its own picture; the source rectangle is the whole picture.
inline TSkMaskData MaskOver(std::shared_ptr<TBitmap> picture, TSkinManager& owner, int frames, int maskMode,
                            int border, int flags, int cornerMode = 0) {
    TSkMaskData m;
    m.Image = std::move(picture);
    m.SourceRect = {0, 0, m.Image->Width(), m.Image->Height()};
    m.FrameCount = static_cast<std::int16_t>(frames);
    m.MaskMode = static_cast<std::int16_t>(maskMode);
    m.DrawFlags = static_cast<std::int16_t>(flags);
    m.BorderLeft = m.BorderTop = m.BorderRight = m.BorderBottom = static_cast<std::int16_t>(border);
    m.CornerMode = static_cast<std::int16_t>(cornerMode);
    m.Owner = &owner;
    return m;
}

inline std::shared_ptr<TBitmap> Shared(std::unique_ptr<TBitmap> bitmap) { return std::shared_ptr<TBitmap>(std::move(bitmap)); }

// A one-state section with a colour.
inline TSkGeneralData PlainSection(const std::string& name, std::uint32_t color, int states = 1) {
    TSkGeneralData s;
    s.SectionName = name;
    s.StateCount = states;
    s.Color = static_cast<std::int32_t>(color);
    s.StateProps[0].Color = s.Color;
    return s;
}

#include <map>

// A picture drawn as rows of letters: each letter stands for a pixel value.
using TLegend = std::map<char, std::uint32_t>;

inline std::unique_ptr<TBitmap> FromRows(const std::vector<std::string>& rows, const TLegend& legend) {
    const int h = static_cast<int>(rows.size()), w = static_cast<int>(rows.front().size());
    std::vector<std::uint32_t> pixels;
    for (const std::string& row : rows)
        for (char c : row) pixels.push_back(legend.at(c));
    return MakeBitmap32(w, h, pixels);
}

// The bitmap read back as letters; '?' for a value the legend lacks.
inline std::vector<std::string> ToRows(TBitmap& bitmap, const TLegend& legend) {
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            char found = '?';
            for (const auto& [c, v] : legend)
                if (v == ReadPixel32(bitmap, x, y)) found = c;
            row += found;
        }
        rows.push_back(row);
    }
    return rows;
}
