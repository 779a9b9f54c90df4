#include "platform/text/detail/GlyphRun.h"

#include <cmath>

namespace platform {
namespace {

// Directions in surface coordinates: along the baseline, and from the
// baseline down towards the descent.
struct Frame {
    PointF origin;
    double cos = 1;
    double sin = 0;

    PointF At(double along, double down) const {
        return {origin.x + along * cos + down * sin, origin.y - along * sin + down * cos};
    }
    bool Upright() const { return sin == 0 && cos == 1; }
};

// A band along the baseline from along0 to along1, between down0 and down1.
void FillBand(TextPainter& painter, const Frame& frame, double along0, double along1, double down0, double down1,
              COLORREF color) {
    if (frame.Upright()) {
        LONG x = static_cast<LONG>(std::lround(frame.origin.x));
        LONG y = static_cast<LONG>(std::lround(frame.origin.y));
        painter.FillRect(RECT{x + static_cast<LONG>(along0), y + static_cast<LONG>(down0), x + static_cast<LONG>(along1),
                              y + static_cast<LONG>(down1)},
                         color);
        return;
    }
    painter.FillPolygon({frame.At(along0, down0), frame.At(along1, down0), frame.At(along1, down1),
                         frame.At(along0, down1)},
                        color);
}

// A line of the font's thickness centred `centre` pixels below the baseline.
void FillLine(TextPainter& painter, const Frame& frame, double along0, double along1, int centre, int thickness,
              COLORREF color) {
    int top = centre - thickness / 2;
    FillBand(painter, frame, along0, along1, top, top + thickness, color);
}

}  // namespace

GlyphRun MakeGlyphRun(const DeviceFont& font, std::u32string text, const int* dx) {
    GlyphRun run;
    run.offsets.reserve(text.size());
    if (dx) {
        // Positions from the logical sums, so rounding does not build up.
        long long logical = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            run.offsets.push_back(font.ToDeviceX(static_cast<double>(logical)));
            logical += dx[i];
        }
        run.width = font.ToDeviceX(static_cast<double>(logical));
    } else {
        int pen = 0;
        for (char32_t code : text) {
            run.offsets.push_back(pen);
            pen += font.Advance(code);
        }
        run.width = pen;
    }
    run.text = std::move(text);
    return run;
}

void PaintGlyphRun(TextPainter& painter, const DeviceFont& font, const GlyphRun& run, PointF origin,
                   const RunStyle& style) {
    const RealizedFont& realized = *font.font;
    const FontMetrics& metrics = realized.Metrics();
    Frame frame{origin, std::cos(realized.AngleRadians()), std::sin(realized.AngleRadians())};
    if (std::abs(frame.sin) < 1e-12) frame.sin = 0, frame.cos = frame.cos > 0 ? 1 : -1;
    if (std::abs(frame.cos) < 1e-12) frame.cos = 0;

    if (style.background) {
        FillBand(painter, frame, 0, run.width, -metrics.ascent, metrics.descent, *style.background);
    }
    if (style.glyphs) {
        for (std::size_t i = 0; i < run.text.size(); ++i) {
            const CoverageMask& glyph = realized.Glyph(run.text[i]);
            PointF pen = frame.At(run.offsets[i], 0);
            painter.Blend(glyph, static_cast<int>(std::lround(pen.x)), static_cast<int>(std::lround(pen.y)),
                          style.color);
        }
    }
    if (realized.Spec().underline) {
        FillLine(painter, frame, 0, run.width, metrics.underlinePosition, metrics.underlineThickness, style.color);
    }
    if (realized.Spec().strikeOut) {
        FillLine(painter, frame, 0, run.width, -metrics.strikeoutPosition, metrics.strikeoutThickness, style.color);
    }
    for (std::size_t i : style.underlinedChars) {
        if (i >= run.text.size()) continue;
        int end = i + 1 < run.offsets.size() ? run.offsets[i + 1] : run.width;
        FillLine(painter, frame, run.offsets[i], end, metrics.underlinePosition, metrics.underlineThickness,
                 style.color);
    }
}

}  // namespace platform
