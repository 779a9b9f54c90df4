#pragma once
// The records a loaded skin lives in: one per section, one per image, one
// per large texture, and the skin-wide values.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/system/Geometry.h"

class TBitmap;
class TGraphic;
class TSkinManager;

// One step of a gradient: its colours (0x00BBGGRR), its share of the
// rectangle and, in the first step only, the painting mode of all steps.
struct TSkGradStep {
    std::int32_t Color1 = 0;
    std::int32_t Color2 = 0;
    std::uint8_t Percent = 0;
    std::int32_t Mode = 0;
    std::int32_t Reserved = 0;
    friend bool operator==(const TSkGradStep&, const TSkGradStep&) = default;
};
using TSkGradArray = std::vector<TSkGradStep>;

struct TSkGenState {
    std::int32_t Color = 0;
    // The text colour, then the contour colours left, top, right, bottom (-1: none).
    std::array<std::int32_t, 5> FontColor{};
    std::int32_t GradientPercent = 0;
    std::string GradientData;
    TSkGradArray GradientArray;
    std::int32_t ImagePercent = 0;
    std::int32_t TextureIndex = -1;
    std::int32_t TextGlowColor = 0;
    std::uint8_t TextGlowSize = 0;
    std::int32_t Transparency = 0;
    friend bool operator==(const TSkGenState&, const TSkGenState&) = default;
};

constexpr int NormalState = 0, HotState = 1;
using TSkProps = std::array<TSkGenState, 2>;

struct TSkGeneralData {
    std::string ParentSection;
    std::string SectionName;
    std::int32_t StateCount = 0;
    TSkProps StateProps;
    bool GiveOwnFont = false;
    bool ReservedBoolean = false;
    bool ShowFocus = false;
    std::int32_t Glow = 0;
    std::int32_t GlowMargin = 0;
    std::int32_t BorderMaskIndex = -1;
    std::array<std::int32_t, 4> CornerImages{-1, -1, -1, -1};
    std::int32_t TextureIndex = -1;
    // The flat copy most painters read; for a one-state section the hot
    // fields stay 0 or empty while the hot state equals the normal one.
    std::int32_t Color = 0;
    std::int32_t Transparency = 0;
    std::int32_t GradientPercent = 0;
    std::string GradientData;
    TSkGradArray GradientArray;
    std::int32_t ImagePercent = 0;
    std::array<std::int32_t, 5> FontColor{};
    std::int32_t HotColor = 0;
    std::int32_t HotTransparency = 0;
    std::int32_t HotGradientPercent = 0;
    std::string HotGradientData;
    TSkGradArray HotGradientArray;
    std::int32_t HotImagePercent = 0;
    std::array<std::int32_t, 5> HotFontColor{};
    bool FadingEnabled = false;
    std::int32_t FadingIterations = 0;
    std::int32_t HotTextGlowColor = 0;
    std::int32_t TextGlowColor = 0;
    std::uint8_t HotTextGlowSize = 0;
    std::uint8_t TextGlowSize = 0;
};

enum TSkImageKind : std::uint8_t { ikBorderMask = 0, ikTexture = 1, ikGlyph = 2 };

struct TSkMaskData {
    // The record's own 32-bit picture; none: the image lies in the master bitmap.
    std::shared_ptr<TBitmap> Image;
    std::string Section;
    std::string Key;
    platform::RECT SourceRect;
    std::int16_t FrameCount = 0;
    // 0 keyed image, 1 image over its mask, -1 no rows.
    std::int16_t MaskMode = 0;
    std::int16_t BorderSize = 0;
    std::int16_t DrawFlags = 0;
    std::uint8_t ImageKind = ikBorderMask;
    TSkinManager* Owner = nullptr;
    std::int16_t BorderLeft = 0;
    std::int16_t BorderTop = 0;
    std::int16_t BorderRight = 0;
    std::int16_t BorderBottom = 0;
    // 0 no key-colour pixel in the corners, 1 some, 2 corners cut out of the window region.
    std::int16_t CornerMode = 0;
};

struct TSkPatternData {
    std::shared_ptr<TGraphic> Image;
    std::string Section;
    std::string Key;
};

struct TSkinData {
    std::string SkinFolder;
    bool IsActive = false;
    double Version = 0;
    std::string Author;
    std::string Description;
    std::int32_t Shadow1Color = 0;
    std::int16_t Shadow1Offset = 0, Shadow1Blur = -1, Shadow1Transparency = 0;
    std::int16_t FormBorderWidth = 4, TitleHeight = 30, MaxTitleHeight = 30, FormOffset = 0, AlignOffset = 0,
                 CenterOffset = 0, BorderMode = 0;
    std::int32_t BorderColor = 0;
    std::int16_t TitleIconSpacing = 0, TitleIconVAlign = 0, TitleIconRightMargin = 0, TitleIconLeftMargin = 0,
                 TitleIconTopMargin = 0, TitleIconKeepHue = 0;
    std::int16_t CloseIconGlow = 0, CloseIconGlowMargin = 0, MaxIconGlow = 0, MaxIconGlowMargin = 0,
                 MinIconGlow = 0, MinIconGlowMargin = 0;
    bool AeroBlur = false;
    std::int32_t ExtendedShadow = 0;
};

using TSkGeneralDataArray = std::vector<TSkGeneralData>;
using TSkMaskArray = std::vector<TSkMaskData>;
using TSkPatternArray = std::vector<TSkPatternData>;
