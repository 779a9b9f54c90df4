#include "packaging/icon/IconArt.h"

#include "png/PngPicture.h"
#include "png/chunks/PngHeaderChunk.h"
#include "png/chunks/PngImageDataChunk.h"
#include "ui/core/HandleStream.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>

namespace {

constexpr int kSamplesPerSide = 8;

struct Colour {
    double Red, Green, Blue;
};

constexpr Colour kBadgeTop{0.10, 0.16, 0.30};
constexpr Colour kBadgeBottom{0.18, 0.32, 0.56};
constexpr Colour kCurve{0.96, 0.60, 0.16};
constexpr Colour kFlame{0.93, 0.30, 0.12};
constexpr Colour kHull{0.97, 0.97, 0.97};
constexpr Colour kPorthole{0.18, 0.32, 0.56};

// Badge: a square with rounded corners.
constexpr double kBadgeMargin = 0.04;
constexpr double kBadgeCorner = 0.18;

// The climb: altitude rising fast, then levelling off, drawn as a thick line.
constexpr double kCurveStartX = 0.12, kCurveEndX = 0.86;
constexpr double kCurveBaseY = 0.86, kCurveRise = 0.66;
constexpr double kCurveHalfWidth = 0.032;
constexpr int kCurveSegments = 48;

// The rocket in its own frame: u along the axis (nose forward), v across.
constexpr double kRocketX = 0.56, kRocketY = 0.44, kRocketAngle = -0.85;  // radians, y down
constexpr double kBodyHalfWidth = 0.075, kBodyTail = -0.17, kBodyHead = 0.10, kNoseTip = 0.27;
constexpr double kFinRoot = -0.05, kFinSpan = 0.075;
constexpr double kFlameEnd = -0.31, kFlameHalfWidth = 0.055;
constexpr double kPortholeU = 0.025, kPortholeRadius = 0.036;

bool InBadge(double x, double y) {
    const double inner0 = kBadgeMargin + kBadgeCorner, inner1 = 1.0 - kBadgeMargin - kBadgeCorner;
    const double dx = std::max({inner0 - x, 0.0, x - inner1});
    const double dy = std::max({inner0 - y, 0.0, y - inner1});
    return x >= kBadgeMargin && x <= 1.0 - kBadgeMargin && y >= kBadgeMargin && y <= 1.0 - kBadgeMargin &&
           dx * dx + dy * dy <= kBadgeCorner * kBadgeCorner;
}

double CurveY(double t) { return kCurveBaseY - kCurveRise * (1.0 - (1.0 - t) * (1.0 - t)); }

double DistanceToSegment(double x, double y, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
}

bool OnCurve(double x, double y) {
    // Only segments within the line's half width across can be that close.
    const double segmentWidth = (kCurveEndX - kCurveStartX) / kCurveSegments;
    const int first = std::max(0, int(std::floor((x - kCurveHalfWidth - kCurveStartX) / segmentWidth)));
    const int last = std::min(kCurveSegments - 1, int(std::floor((x + kCurveHalfWidth - kCurveStartX) / segmentWidth)));
    for (int i = first; i <= last; ++i) {
        const double t0 = double(i) / kCurveSegments, t1 = double(i + 1) / kCurveSegments;
        const double x0 = kCurveStartX + (kCurveEndX - kCurveStartX) * t0;
        const double x1 = kCurveStartX + (kCurveEndX - kCurveStartX) * t1;
        if (DistanceToSegment(x, y, x0, CurveY(t0), x1, CurveY(t1)) <= kCurveHalfWidth) return true;
    }
    return false;
}

// What part of the rocket, if any, covers the point.
std::optional<Colour> RocketAt(double x, double y) {
    const double c = std::cos(kRocketAngle), s = std::sin(kRocketAngle);
    const double dx = x - kRocketX, dy = y - kRocketY;
    const double u = dx * c + dy * s, v = std::abs(-dx * s + dy * c);
    if (std::hypot(u - kPortholeU, v) <= kPortholeRadius) return kPorthole;
    if (u >= kBodyTail && u <= kBodyHead && v <= kBodyHalfWidth) return kHull;
    if (u > kBodyHead && u <= kNoseTip && v <= kBodyHalfWidth * (kNoseTip - u) / (kNoseTip - kBodyHead)) return kHull;
    if (u >= kBodyTail && u <= kFinRoot && v <= kBodyHalfWidth + kFinSpan * (kFinRoot - u) / (kFinRoot - kBodyTail))
        return kHull;
    if (u >= kFlameEnd && u < kBodyTail && v <= kFlameHalfWidth * (u - kFlameEnd) / (kBodyTail - kFlameEnd))
        return kFlame;
    return std::nullopt;
}

// Colour of one sample, or none outside the badge.
std::optional<Colour> SampleAt(double x, double y) {
    if (!InBadge(x, y)) return std::nullopt;
    if (auto rocket = RocketAt(x, y)) return rocket;
    if (OnCurve(x, y)) return kCurve;
    return Colour{kBadgeTop.Red + (kBadgeBottom.Red - kBadgeTop.Red) * y,
                  kBadgeTop.Green + (kBadgeBottom.Green - kBadgeTop.Green) * y,
                  kBadgeTop.Blue + (kBadgeBottom.Blue - kBadgeTop.Blue) * y};
}

std::uint8_t ToByte(double value) { return std::uint8_t(std::lround(std::clamp(value, 0.0, 1.0) * 255.0)); }

}  // namespace

TIconImage DrawVelzarIcon(int size) {
    TIconImage image{size, std::vector<TIconPixel>(std::size_t(size) * std::size_t(size))};
    constexpr int kSamples = kSamplesPerSide * kSamplesPerSide;
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            double red = 0, green = 0, blue = 0;
            int covered = 0;
            for (int sy = 0; sy < kSamplesPerSide; ++sy)
                for (int sx = 0; sx < kSamplesPerSide; ++sx) {
                    const double x = (px + (sx + 0.5) / kSamplesPerSide) / size;
                    const double y = (py + (sy + 0.5) / kSamplesPerSide) / size;
                    if (auto colour = SampleAt(x, y)) {
                        red += colour->Red, green += colour->Green, blue += colour->Blue;
                        ++covered;
                    }
                }
            if (covered == 0) continue;
            // Colour averaged over the covered samples only: edges fade out, not darken.
            image.Pixels[std::size_t(py) * std::size_t(size) + std::size_t(px)] = {
                ToByte(red / covered), ToByte(green / covered), ToByte(blue / covered),
                ToByte(double(covered) / kSamples)};
        }
    return image;
}

void WriteIconPng(const TIconImage& image, const std::string& fileName) {
    TPngPicture picture;
    auto header = std::make_unique<TChunkIHDR>(&picture);
    header->Width = image.Size;
    header->Height = image.Size;
    header->BitDepth = 8;
    header->ColorType = ctRgbAlpha;
    header->AllocateImage();
    picture.ChunkList.Add(std::move(header));
    picture.ChunkList.Add(std::make_unique<TChunkIDAT>(&picture));
    picture.ChunkList.Add(std::make_unique<TChunkIEND>(&picture));
    for (int y = 0; y < image.Size; ++y) {
        std::uint8_t* alpha = picture.AlphaRowAddress(y);
        for (int x = 0; x < image.Size; ++x) {
            const TIconPixel& pixel = image.At(x, y);
            picture.WritePixelColor(x, y, RgbColor(pixel.Red, pixel.Green, pixel.Blue));
            alpha[x] = pixel.Alpha;
        }
    }
    TFileStream file(fileName, fmCreate);
    picture.SaveToStream(file);
}
