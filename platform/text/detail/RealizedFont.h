#pragma once
// A logical font made real for one device scale: the file, the size in
// device pixels, the rotation, its metrics and its glyphs (advances and
// coverage masks, cached as they are first asked for).

#include "platform/text/detail/CoverageMask.h"
#include "platform/text/detail/SymbolGlyphs.h"

#include <compare>
#include <memory>
#include <string>

namespace platform {

class FontFile;

// A logical font in device pixels.
struct FontSpec {
    std::string faceName;
    double height = 0;  // negative: character (em) height; positive: cell height; 0: the default
    double width = 0;   // average character width; 0: the face's own proportions
    int weight = 0;     // 0: normal
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int escapement = 0;  // tenths of a degree, counter-clockwise
    bool antialias = true;
    auto operator<=>(const FontSpec&) const = default;
};

// In device pixels; the cell is ascent + descent high.
struct FontMetrics {
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int weight = 400;
    double emPixels = 0;
    int unitsPerEm = 1000;  // design units of the face
    int underlinePosition = 0;  // centre of the underline, below the baseline
    int underlineThickness = 1;
    int strikeoutPosition = 0;  // centre of the strike-out line, above the baseline
    int strikeoutThickness = 1;
    bool fixedPitch = false;
    bool serif = false;
};

class RealizedFont {
public:
    // Shared with every caller asking for the same spec; null only when the
    // system has no usable font at all.
    static std::shared_ptr<const RealizedFont> Get(const FontSpec& spec);

    ~RealizedFont();
    RealizedFont(const RealizedFont&) = delete;
    RealizedFont& operator=(const RealizedFont&) = delete;

    const FontSpec& Spec() const { return spec_; }
    const FontMetrics& Metrics() const { return metrics_; }
    const std::string& FilePath() const;  // empty for our own symbol glyphs
    const std::string& FamilyName() const { return family_; }  // the installed family, or the symbol face
    double AngleRadians() const { return angle_; }

    // Whole device pixels along the baseline; 0 for control characters.
    int Advance(char32_t code) const;

    // The glyph turned by the escapement, placed relative to its pen
    // position on the baseline.
    const CoverageMask& Glyph(char32_t code) const;

    // The face (primary or fallback) has a real glyph for the code.
    bool HasGlyph(char32_t code) const;

private:
    struct Impl;
    explicit RealizedFont(std::unique_ptr<Impl> impl);
    static std::shared_ptr<const RealizedFont> Build(const FontSpec& spec);
    std::unique_ptr<Impl> impl_;
    FontSpec spec_;
    FontMetrics metrics_;
    std::string family_;
    double angle_ = 0;
};

}  // namespace platform
