// The row converters of TColorManager, one per family of source schemes.
#include "skin/core/png/ColorManager.h"

#include "ui/core/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr std::uint32_t kMax16 = 65535;
constexpr unsigned kFirstPositionBit = 0x80;

// 16-bit unsigned a * b div c, truncating.
std::uint32_t MulDiv16(std::uint32_t a, std::uint32_t b, std::uint32_t c) { return c == 0 ? 0 : a * b / c; }

std::uint8_t ClampByte(double v) { return static_cast<std::uint8_t>(std::clamp<std::int64_t>(Round(v), 0, 255)); }
std::uint8_t ClampByte(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

std::uint32_t MaxValue(int bits) { return (1u << bits) - 1; }

// Sample `index` of a row of packed samples, most significant bits first.
std::uint32_t ReadPacked(const std::uint8_t* row, unsigned index, int bits) {
    if (bits == 8) return row[index];
    if (bits == 16) return std::uint32_t(row[index * 2]) | (std::uint32_t(row[index * 2 + 1]) << 8);
    unsigned bit = index * unsigned(bits);
    unsigned shift = 8 - unsigned(bits) - bit % 8;
    return (row[bit / 8] >> shift) & MaxValue(bits);
}

void WritePacked(std::uint8_t* row, unsigned index, int bits, std::uint32_t value) {
    if (bits == 8) {
        row[index] = static_cast<std::uint8_t>(value);
        return;
    }
    if (bits == 16) {
        row[index * 2] = static_cast<std::uint8_t>(value);
        row[index * 2 + 1] = static_cast<std::uint8_t>(value >> 8);
        return;
    }
    unsigned bit = index * unsigned(bits);
    unsigned shift = 8 - unsigned(bits) - bit % 8;
    std::uint8_t keep = static_cast<std::uint8_t>(~(MaxValue(bits) << shift));
    row[bit / 8] = static_cast<std::uint8_t>((row[bit / 8] & keep) | ((value & MaxValue(bits)) << shift));
}

std::uint16_t Swap16(std::uint16_t v) { return static_cast<std::uint16_t>((v >> 8) | (v << 8)); }

// Walks `count` target positions; `take(position)` runs where the mask has
// the position's bit, and returns nothing; sources advance only there.
template <class Take>
void ForMaskedPositions(unsigned count, std::uint8_t mask, Take take) {
    unsigned bit = kFirstPositionBit;
    for (unsigned i = 0; i < count; ++i) {
        if (mask & bit) take(i);
        bit = bit == 1 ? kFirstPositionBit : bit >> 1;
    }
}

}  // namespace

std::uint16_t TColorManager::Sample16(const std::uint8_t* sample) const {
    std::uint16_t v;
    std::memcpy(&v, sample, sizeof v);
    return (sourceOptions_ & coNeedByteSwap) ? Swap16(v) : v;
}

std::uint8_t TColorManager::ColourSample8(const std::uint8_t* sample) const {
    std::uint8_t v = sourceBits_ == 16 ? static_cast<std::uint8_t>(MulDiv16(Sample16(sample), 255, kMax16)) : *sample;
    return (targetOptions_ & coApplyGamma) ? gamma_[v] : v;
}

void TColorManager::RowIndexed(const TRowSources& sources, std::uint8_t* target, unsigned count, std::uint8_t mask) {
    const auto* source = static_cast<const std::uint8_t*>(sources[0]);
    if (sourceBits_ == targetBits_ && mask == 0xFF && !(sourceBits_ == 16 && (sourceOptions_ & coNeedByteSwap))) {
        std::memcpy(target, source, (std::size_t(count) * unsigned(sourceBits_) + 7) / 8);
        return;
    }
    unsigned next = 0;
    bool swap = (sourceOptions_ & coNeedByteSwap) != 0;
    ForMaskedPositions(count, mask, [&](unsigned i) {
        std::uint32_t v = ReadPacked(source, next++, sourceBits_);
        if (sourceBits_ == 16 && swap) v = Swap16(static_cast<std::uint16_t>(v));
        if (sourceBits_ != targetBits_) v = MulDiv16(v, MaxValue(targetBits_), MaxValue(sourceBits_));
        if (targetBits_ == 16 && swap && sourceBits_ != 16) v = Swap16(static_cast<std::uint16_t>(v));
        WritePacked(target, i, targetBits_, v);
    });
}

void TColorManager::RowGrey(const TRowSources& sources, std::uint8_t* target, unsigned count, std::uint8_t mask) {
    const auto* source = static_cast<const std::uint8_t*>(sources[0]);
    unsigned sourceBytes = sourceBits_ == 16 ? 2 : 1;
    unsigned step = sourceBytes * ((sourceOptions_ & coAlpha) ? 2 : 1);
    ForMaskedPositions(count, mask, [&](unsigned i) {
        const std::uint8_t* s = source;
        source += step;
        std::uint32_t v = sourceBits_ == 16 ? Sample16(s) : *s;
        if (sourceBits_ == 16 && targetBits_ != 16) v = MulDiv16(v, 255, kMax16);
        if (sourceBits_ != 16 && targetBits_ == 16) v = MulDiv16(v, kMax16, 255);
        WritePacked(target, i, targetBits_ == 16 ? 16 : 8, v);
    });
}

std::uint8_t* TColorManager::PutRgb(std::uint8_t* out, int red, int green, int blue) const {
    bool bgr = targetScheme_ == csBGR || targetScheme_ == csBGRA;
    out[0] = ClampByte(bgr ? blue : red);
    out[1] = ClampByte(green);
    out[2] = ClampByte(bgr ? red : blue);
    return out + ((targetOptions_ & coAlpha) ? 4 : 3);
}

void TColorManager::RowRgbFamily(const TRowSources& sources, std::uint8_t* target, unsigned count,
                                 std::uint8_t mask) {
    bool planar = sources.size() > 1;
    if (planar && sources.size() < 3) return;
    bool sourceAlpha = (sourceOptions_ & coAlpha) != 0, targetAlpha = (targetOptions_ & coAlpha) != 0;
    if (planar && sourceAlpha && sources.size() < 4) return;
    bool sourceBgr = sourceScheme_ == csBGR || sourceScheme_ == csBGRA;
    bool targetBgr = targetScheme_ == csBGR || targetScheme_ == csBGRA;
    unsigned bytes = sourceBits_ == 16 ? 2 : 1;
    unsigned pixelStep = planar ? bytes : bytes * (sourceAlpha ? 4 : 3);
    bool wideTarget = targetBits_ == 16;
    unsigned targetBytes = wideTarget ? 2 : 1;
    unsigned targetStep = targetBytes * (targetAlpha ? 4 : 3);
    bool gamma = (targetOptions_ & coApplyGamma) != 0;
    unsigned next = 0;
    ForMaskedPositions(count, mask, [&](unsigned i) {
        auto sample = [&](unsigned component) {
            const auto* base = static_cast<const std::uint8_t*>(planar ? sources[component] : sources[0]);
            return base + next * pixelStep + (planar ? 0 : component * bytes);
        };
        unsigned red = sourceBgr ? 2 : 0, blue = sourceBgr ? 0 : 2;
        const std::uint8_t* in[3] = {sample(red), sample(1), sample(blue)};
        std::uint8_t* out = target + std::size_t(i) * targetStep;
        unsigned order[3] = {targetBgr ? 2u : 0u, 1u, targetBgr ? 0u : 2u};  // where red, green, blue go
        for (unsigned c = 0; c < 3; ++c) {
            std::uint8_t* at = out + order[c] * targetBytes;
            if (!wideTarget) {
                *at = ColourSample8(in[c]);
            } else if (sourceBits_ == 16) {
                std::uint16_t v = Sample16(in[c]);
                std::memcpy(at, &v, sizeof v);
            } else {
                auto v = static_cast<std::uint16_t>(MulDiv16(gamma ? gamma_[*in[c]] : *in[c], kMax16, 255));
                std::memcpy(at, &v, sizeof v);
            }
        }
        if (sourceAlpha && targetAlpha) {
            const std::uint8_t* a = sample(3);
            std::uint8_t* at = out + 3 * targetBytes;
            if (!wideTarget) {
                *at = sourceBits_ == 16 ? static_cast<std::uint8_t>(MulDiv16(Sample16(a), 255, kMax16)) : *a;
            } else {
                auto v = static_cast<std::uint16_t>(sourceBits_ == 16 ? Sample16(a) : MulDiv16(*a, kMax16, 255));
                std::memcpy(at, &v, sizeof v);
            }
        }
        ++next;
    });
}

void TColorManager::RowCmyk(const TRowSources& sources, std::uint8_t* target, unsigned count, std::uint8_t mask) {
    bool planar = sources.size() >= 4;
    unsigned bytes = sourceBits_ == 16 ? 2 : 1;
    unsigned next = 0;
    ForMaskedPositions(count, mask, [&](unsigned i) {
        std::uint32_t v[4];
        for (unsigned c = 0; c < 4; ++c) {
            const auto* base = static_cast<const std::uint8_t*>(planar ? sources[c] : sources[0]);
            const std::uint8_t* at = base + (planar ? next * bytes : (next * 4 + c) * bytes);
            v[c] = sourceBits_ == 16 ? MulDiv16(Sample16(at), 255, kMax16) : *at;
        }
        auto channel = [&](std::uint32_t c) {
            return int(MulDiv16(c, v[3], 255)) - int(c) - int(v[3]) + 255;
        };
        std::uint8_t* out = target + std::size_t(i) * ((targetOptions_ & coAlpha) ? 4 : 3);
        PutRgb(out, channel(v[0]), channel(v[1]), channel(v[2]));
        ++next;
    });
}

void TColorManager::RowLab(const TRowSources& sources, std::uint8_t* target, unsigned count, std::uint8_t mask) {
    const auto* source = static_cast<const std::uint8_t*>(sources[0]);
    constexpr double kLowL = 7.9996, kKappa = 903.3;
    unsigned next = 0;
    ForMaskedPositions(count, mask, [&](unsigned i) {
        const std::uint8_t* p = source + next * 3;
        double l = (sourceOptions_ & coLabByteRange) ? p[0] / 2.55 : p[0];
        double a = (sourceOptions_ & coLabChromaOffset) ? p[1] - 128.0 : static_cast<std::int8_t>(p[1]);
        double b = (sourceOptions_ & coLabChromaOffset) ? p[2] - 128.0 : static_cast<std::int8_t>(p[2]);
        double x, y, z;
        if (l < kLowL) {
            y = l / kKappa;
            x = y + a / 3893.5;
            z = y - b / 1557.4;
        } else {
            double f = (l + 16) / 116;
            y = f * f * f;
            x = std::pow(f + a / 500, 3);
            z = std::pow(f - b / 200, 3);
        }
        double blue = 0.099 * x - 0.198 * y + 1.099 * z, green = -0.952 * x + 1.893 * y + 0.059 * z,
               red = 2.998 * x - 1.458 * y - 0.541 * z;
        std::uint8_t* out = target + std::size_t(i) * ((targetOptions_ & coAlpha) ? 4 : 3);
        PutRgb(out, ClampByte(red * 255), ClampByte(green * 255), ClampByte(blue * 255));
        ++next;
    });
}

void TColorManager::RowYCbCr(const TRowSources& sources, std::uint8_t* target, unsigned count, std::uint8_t mask) {
    const auto* source = static_cast<const std::uint8_t*>(sources[0]);
    bool photo16 = sourceScheme_ == csPhotoYCC && sourceBits_ == 16;
    unsigned bytes = sourceBits_ == 16 ? 2 : 1;
    unsigned next = 0;
    ForMaskedPositions(count, mask, [&](unsigned i) {
        const std::uint8_t* p = source + next * 3 * bytes;
        std::uint8_t* out = target + std::size_t(i) * ((targetOptions_ & coAlpha) ? 4 : 3);
        if (photo16) {
            double y = 1.3584 * Sample16(p), c1 = double(Sample16(p + 2)) - 40092, c2 = double(Sample16(p + 4)) - 35209;
            PutRgb(out, ClampByte(y + 1.8215 * c2), ClampByte(y - 0.9271435 * c2 - 0.4302726 * c1),
                   ClampByte(y + 2.2179 * c1));
        } else {
            int y = sourceBits_ == 16 ? int(MulDiv16(Sample16(p), 255, kMax16)) : p[0];
            std::size_t cb = sourceBits_ == 16 ? MulDiv16(Sample16(p + 2), 255, kMax16) : p[1];
            std::size_t cr = sourceBits_ == 16 ? MulDiv16(Sample16(p + 4), 255, kMax16) : p[2];
            PutRgb(out, y + crToRed_[cr], y + cbToGreen_[cb] + crToGreen_[cr], y + cbToBlue_[cb]);
        }
        ++next;
    });
}
