#include "skin/core/png/ColorManager.h"

#include "skin/core/png/SkinPngErrors.h"

#include "ui/core/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kInvalidDepth = "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.";
constexpr const char* kInvalidSamples = "Sample count per pixel does not correspond to the given color scheme.";
constexpr const char* kIndexedMix = "Conversion between indexed and non-indexed pixel formats is not supported.";
constexpr int kMaxBits = 16, kMaxSamples = 4;
constexpr float kDefaultFileGamma = 1.0f, kDefaultDisplayGamma = 2.2f;
constexpr int kMaxPaletteEntries = 256;
constexpr int kPhotoYccCrOffset = 137, kPhotoYccCbOffset = 156, kYCbCrOffset = 128;

bool HasAlpha(TColorScheme s) { return s == csGreyAlpha || s == csRGBA || s == csBGRA; }
bool IsRgbLike(TColorScheme s) { return s == csRGB || s == csRGBA || s == csBGR || s == csBGRA; }

void SetChanged(int& field, int value, bool& changed) {
    if (field != value) field = value, changed = true;
}

int MaxValue(int bits) { return (1 << bits) - 1; }

}  // namespace

TColorManager::TColorManager() { SetGammaValues(kDefaultFileGamma, kDefaultDisplayGamma); }

void TColorManager::SetSourceBitsPerSample(int bits) {
    if (bits <= 0 || bits > kMaxBits) throw EColorConversionError(kInvalidDepth);
    SetChanged(sourceBits_, bits, changed_);
}

void TColorManager::SetTargetBitsPerSample(int bits) {
    if (bits <= 0 || bits > kMaxBits) throw EColorConversionError(kInvalidDepth);
    SetChanged(targetBits_, bits, changed_);
}

void TColorManager::SetSourceSamplesPerPixel(int samples) {
    if (samples <= 0 || samples > kMaxSamples) throw EColorConversionError(kInvalidSamples);
    SetChanged(sourceSamples_, samples, changed_);
}

void TColorManager::SetTargetSamplesPerPixel(int samples) {
    if (samples <= 0 || samples > kMaxSamples) throw EColorConversionError(kInvalidSamples);
    SetChanged(targetSamples_, samples, changed_);
}

void TColorManager::SetSourceColorScheme(TColorScheme scheme) {
    if (sourceScheme_ != scheme) sourceScheme_ = scheme, changed_ = true;
}

void TColorManager::SetTargetColorScheme(TColorScheme scheme) {
    if (targetScheme_ != scheme) targetScheme_ = scheme, changed_ = true;
}

void TColorManager::SetSourceOptions(std::uint8_t options) {
    if (sourceOptions_ != options) sourceOptions_ = options, changed_ = true;
}

void TColorManager::SetTargetOptions(std::uint8_t options) {
    if (targetOptions_ != options) targetOptions_ = options, changed_ = true;
}

void TColorManager::SelectConverter() {
    converter_ = nullptr;
    bool sourceIndexed = sourceScheme_ == csIndexed || sourceScheme_ == csGrey || sourceScheme_ == csGreyAlpha;
    bool targetIndexed = targetScheme_ == csIndexed || targetScheme_ == csGrey;
    if (sourceIndexed != targetIndexed) throw EColorConversionError(kIndexedMix);
    sourceOptions_ = HasAlpha(sourceScheme_) ? (sourceOptions_ | coAlpha) : (sourceOptions_ & ~coAlpha);
    targetOptions_ = HasAlpha(targetScheme_) ? (targetOptions_ | coAlpha) : (targetOptions_ & ~coAlpha);
    bool rgbTarget = IsRgbLike(targetScheme_);
    switch (sourceScheme_) {
        case csIndexed: converter_ = &TColorManager::RowIndexed; break;
        case csGrey:
            if (sourceBits_ != kMaxBits && targetBits_ != kMaxBits)
                converter_ = &TColorManager::RowIndexed;
            else if (sourceBits_ >= 8 && targetBits_ >= 8)
                converter_ = &TColorManager::RowGrey;
            break;
        case csGreyAlpha:
            if ((sourceBits_ == 8 || sourceBits_ == kMaxBits) && (targetBits_ == 8 || targetBits_ == kMaxBits))
                converter_ = &TColorManager::RowGrey;
            break;
        case csRGB:
        case csRGBA:
        case csBGR:
        case csBGRA:
            if (rgbTarget) converter_ = &TColorManager::RowRgbFamily;
            break;
        case csCMYK:
            if (rgbTarget) converter_ = &TColorManager::RowCmyk;
            break;
        case csCIELab:
            if (rgbTarget) converter_ = &TColorManager::RowLab;
            break;
        case csYCbCr:
        case csPhotoYCC:
            if (rgbTarget) {
                bool photo = sourceScheme_ == csPhotoYCC;
                BuildYCbCrTables(photo ? kPhotoYccCrOffset : kYCbCrOffset, photo ? kPhotoYccCbOffset : kYCbCrOffset);
                converter_ = &TColorManager::RowYCbCr;
            }
            break;
        default: break;
    }
    changed_ = false;
}

void TColorManager::ConvertRow(const TRowSources& sources, void* target, unsigned count, std::uint8_t mask) {
    if (changed_) SelectConverter();
    if (!converter_) throw EColorConversionError("Color conversion failed. Could not find a proper method.");
    if (sources.empty() || !sources[0] || !target) return;
    (this->*converter_)(sources, static_cast<std::uint8_t*>(target), count, mask);
}

TPixelFormat TColorManager::PixelFormatFor(bool target) const {
    int bits = target ? targetBits_ : sourceBits_, samples = target ? targetSamples_ : sourceSamples_;
    if (samples == 1) {
        if (bits == 1) return TPixelFormat::pf1bit;
        if (bits >= 2 && bits <= 4) return TPixelFormat::pf4bit;
        if (bits >= 8) return TPixelFormat::pf8bit;
    } else if (samples == 3) {
        return bits <= 5 ? TPixelFormat::pf15bit : TPixelFormat::pf24bit;
    } else if (samples == 4 && bits > 7) {
        return TPixelFormat::pf32bit;
    }
    return TPixelFormat::pfCustom;
}

void TColorManager::SetGammaValues(float fileGamma, float displayGamma) {
    fileGamma_ = fileGamma <= 0 ? kDefaultFileGamma : fileGamma;
    displayGamma_ = displayGamma <= 0 ? kDefaultDisplayGamma : displayGamma;
    int range = sourceBits_ >= 8 ? 255 : MaxValue(std::min(targetBits_, 8));
    int multiplier = targetBits_ >= 8 ? 255 : MaxValue(targetBits_);
    double exponent = 1.0 / (double(fileGamma_) * double(displayGamma_));
    for (int i = 0; i <= range && i < 256; ++i)
        gamma_[std::size_t(i)] = static_cast<std::uint8_t>(
            std::clamp<std::int64_t>(Round(multiplier * std::pow(double(i) / range, exponent)), 0, 255));
}

TColorTable TColorManager::MakeGreyPalette(bool inverted) const {
    int n = 1 << std::min(targetBits_ * targetSamples_, 8);
    int step = 255 / (n - 1);
    TColorTable table(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        int grey = i * step;
        auto value = static_cast<std::uint8_t>((targetOptions_ & coApplyGamma) ? gamma_[std::size_t(grey)] : grey);
        platform::RGBQUAD& e = table[std::size_t(inverted ? n - 1 - i : i)];
        e.rgbRed = e.rgbGreen = e.rgbBlue = value;
    }
    return table;
}

TColorTable TColorManager::MakeColourPalette(const TRowSources& sources, int layout, int count, bool bgrOrder) const {
    int entries = std::clamp(count, 0, kMaxPaletteEntries);
    if (sources.empty() || !sources[0]) return {};
    bool planar = layout == 2 || layout == 3 || layout == 6 || layout == 7;
    bool wide = layout >= 4;
    if (planar && sources.size() < 3) return {};
    int step = planar ? 1 : ((layout == 1 || layout == 5) ? 4 : 3);
    int bytes = wide ? 2 : 1;
    auto component = [&](int entry, int index) -> std::uint8_t {
        const auto* base = static_cast<const std::uint8_t*>(planar ? sources[std::size_t(index)] : sources[0]);
        const std::uint8_t* at = base + (planar ? entry : entry * step + index) * bytes;
        if (!wide) return (targetOptions_ & coApplyGamma) ? gamma_[*at] : *at;
        std::uint16_t v = Sample16(at);
        auto eight = static_cast<std::uint8_t>(std::uint32_t(v) * 255 / 65535);
        return (targetOptions_ & coApplyGamma) ? gamma_[eight] : eight;
    };
    TColorTable table(static_cast<std::size_t>(entries));
    for (int i = 0; i < entries; ++i) {
        std::uint8_t a = component(i, 0), b = component(i, 1), c = component(i, 2);
        bool reversed = bgrOrder && !planar;
        table[std::size_t(i)].rgbRed = reversed ? c : a;
        table[std::size_t(i)].rgbGreen = b;
        table[std::size_t(i)].rgbBlue = reversed ? a : c;
    }
    if (targetBits_ <= 8 && sourceBits_ != targetBits_) {
        int targetCount = 1 << targetBits_;
        TColorTable spread(static_cast<std::size_t>(targetCount));
        for (int j = 0; j < targetCount; ++j) {
            int from = j * MaxValue(sourceBits_) / MaxValue(targetBits_);
            if (from < entries) spread[std::size_t(j)] = table[std::size_t(from)];
        }
        return spread;
    }
    return table;
}

void TColorManager::BuildYCbCrTables(int crOffset, int cbOffset) {
    double kr = yCbCrCoefficients_[0], kg = yCbCrCoefficients_[1], kb = yCbCrCoefficients_[2];
    for (int i = 0; i < 256; ++i) {
        std::size_t k = std::size_t(i);
        crToRed_[k] = static_cast<std::int32_t>(Round((2 - 2 * kr) * (i - crOffset)));
        cbToBlue_[k] = static_cast<std::int32_t>(Round((2 - 2 * kb) * (i - cbOffset)));
        crToGreen_[k] = -static_cast<std::int32_t>(Round(kr * (2 - 2 * kr) / kg * (i - crOffset)));
        cbToGreen_[k] = -static_cast<std::int32_t>(Round(kb * (2 - 2 * kb) / kg * (i - cbOffset)));
    }
}
