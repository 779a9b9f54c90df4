#pragma once
// Rows of pixels converted from a source layout (colour scheme, bits and
// samples per pixel, byte order, interleaved or planar) into a layout a
// bitmap holds, with gamma correction, and the colour tables of indexed
// and grey targets. Optionally only some positions of the target row are
// written (the interlace passes).

#include "platform/gdi/GdiTypes.h"
#include "ui/graphics/Bitmap.h"

#include <array>
#include <cstdint>
#include <vector>

enum TColorScheme : std::uint8_t {
    csNone, csIndexed, csGrey, csGreyAlpha, csRGB, csRGBA, csBGR, csBGRA, csCMY, csCMYK, csCIELab, csYCbCr, csPhotoYCC
};

enum TConvertOption : std::uint8_t {
    coAlpha = 1,             // the side carries alpha (set from the scheme)
    coApplyGamma = 2,        // target: colour samples through the gamma table
    coNeedByteSwap = 4,      // source: 16-bit samples are big-endian
    coLabByteRange = 8,      // source L*a*b*: L stored as 0..255
    coLabChromaOffset = 16,  // source L*a*b*: a and b offset by 128
};

using TColorTable = std::vector<platform::RGBQUAD>;
// One pointer for interleaved data, one a plane for planar data.
using TRowSources = std::vector<const void*>;

class TColorManager {
public:
    TColorManager();

    // Bits 1..16; samples 1..4; a failing setter changes nothing.
    void SetSourceBitsPerSample(int bits);
    void SetTargetBitsPerSample(int bits);
    void SetSourceSamplesPerPixel(int samples);
    void SetTargetSamplesPerPixel(int samples);
    void SetSourceColorScheme(TColorScheme scheme);
    void SetTargetColorScheme(TColorScheme scheme);
    void SetSourceOptions(std::uint8_t options);
    void SetTargetOptions(std::uint8_t options);
    std::uint8_t SourceOptions() const { return sourceOptions_; }
    std::uint8_t TargetOptions() const { return targetOptions_; }
    int SourceBitsPerSample() const { return sourceBits_; }
    int TargetBitsPerSample() const { return targetBits_; }

    // `count` target positions; a position whose bit of `mask` (0x80 first,
    // rotating right) is set takes the next source pixel.
    void ConvertRow(const TRowSources& sources, void* target, unsigned count, std::uint8_t mask);
    // The bitmap format of one side's bits and samples.
    TPixelFormat PixelFormatFor(bool target) const;
    // g <= 0 counts as 1.0, d <= 0 as 2.2; the table follows the bits now in force.
    void SetGammaValues(float fileGamma, float displayGamma);
    const std::array<std::uint8_t, 256>& GammaTable() const { return gamma_; }
    TColorTable MakeGreyPalette(bool inverted) const;
    // Layouts: 0 8-bit triples, 1 8-bit quads, 2-3 planar 8-bit, 4 16-bit
    // triples, 5 16-bit quads, 6-7 planar 16-bit.
    TColorTable MakeColourPalette(const TRowSources& sources, int layout, int count, bool bgrOrder) const;

private:
    using TRowConverter = void (TColorManager::*)(const TRowSources&, std::uint8_t*, unsigned, std::uint8_t);
    void SelectConverter();
    void BuildYCbCrTables(int crOffset, int cbOffset);

    void RowIndexed(const TRowSources& sources, std::uint8_t* target, unsigned count, std::uint8_t mask);
    void RowGrey(const TRowSources& sources, std::uint8_t* target, unsigned count, std::uint8_t mask);
    void RowRgbFamily(const TRowSources& sources, std::uint8_t* target, unsigned count, std::uint8_t mask);
    void RowCmyk(const TRowSources& sources, std::uint8_t* target, unsigned count, std::uint8_t mask);
    void RowLab(const TRowSources& sources, std::uint8_t* target, unsigned count, std::uint8_t mask);
    void RowYCbCr(const TRowSources& sources, std::uint8_t* target, unsigned count, std::uint8_t mask);

    // One source colour sample (8 or 16 bits) as 8 bits, swapped, scaled and
    // gamma-corrected as the options say.
    std::uint8_t ColourSample8(const std::uint8_t* sample) const;
    std::uint16_t Sample16(const std::uint8_t* sample) const;
    // Writes red, green, blue (and alpha when the target has it) into one target pixel.
    std::uint8_t* PutRgb(std::uint8_t* out, int red, int green, int blue) const;

    bool changed_ = true;
    int sourceBits_ = 8, targetBits_ = 8, sourceSamples_ = 3, targetSamples_ = 3;
    float fileGamma_ = 1.0f, displayGamma_ = 2.2f;
    std::array<std::uint8_t, 256> gamma_{};
    std::array<float, 3> yCbCrCoefficients_{0.299f, 0.587f, 0.114f};
    std::array<std::int32_t, 256> crToRed_{}, cbToBlue_{}, crToGreen_{}, cbToGreen_{};
    TColorScheme sourceScheme_ = csRGB, targetScheme_ = csBGR;
    TRowConverter converter_ = nullptr;
    std::uint8_t sourceOptions_ = 0, targetOptions_ = 0;
};
