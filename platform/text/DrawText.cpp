#include "platform/text/DrawText.h"

#include "platform/system/LastError.h"
#include "platform/text/DrawTextLayout.h"
#include "platform/text/Utf8Text.h"
#include "platform/text/detail/DeviceFont.h"
#include "platform/text/detail/GlyphRun.h"

namespace platform {
namespace {

// The selected font's measures in logical units.
class DeviceMeasurer : public TextMeasurer {
public:
    explicit DeviceMeasurer(const DeviceFont& font) : font_(font) {}
    int Advance(char32_t code) const override { return font_.ToLogicalX(font_.Advance(code)); }
    int LineHeight() const override { return font_.ToLogicalY(font_.font->Metrics().height); }
    int ExternalLeading() const override { return font_.ToLogicalY(font_.font->Metrics().externalLeading); }
    int AverageCharWidth() const override { return font_.ToLogicalX(font_.font->Metrics().aveCharWidth); }

private:
    const DeviceFont& font_;
};

}  // namespace

int DrawTextA(HDC hdc, const char* text, int count, RECT* rect, UINT format) {
    auto dc = DcOrFail(hdc);
    if (!dc) return 0;
    if (!rect || (!text && count != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto font = SelectedDeviceFont(*dc);
    if (!font) {
        SetLastError(ERROR_GEN_FAILURE);
        return 0;
    }
    DrawTextPlan plan = LayOutDrawText(DecodeUtf8(Utf8Argument(text, count)), *rect, format, DeviceMeasurer(*font));
    if (format & DT_CALCRECT) {
        *rect = plan.calcRect;
        return plan.result;
    }

    TextPainter painter(*dc);
    if (!(format & DT_NOCLIP)) {
        POINT a = dc->ToSurface({rect->left, rect->top});
        POINT b = dc->ToSurface({rect->right, rect->bottom});
        painter.Restrict(RECT{a.x, a.y, b.x, b.y});
    }
    RunStyle style;
    style.color = dc->state.textColor;
    if (dc->state.bkMode == OPAQUE) style.background = dc->state.bkColor;
    style.glyphs = !(format & DT_PREFIXONLY);
    int ascent = font->font->Metrics().ascent;
    for (const DrawTextLine& line : plan.lines) {
        for (const DrawTextSegment& segment : line.segments) {
            if (segment.text.empty()) continue;
            POINT topLeft = dc->ToSurface({line.left + segment.x, line.top});
            style.underlinedChars = segment.underlined;
            PaintGlyphRun(painter, *font, MakeGlyphRun(*font, segment.text),
                          PointF{static_cast<double>(topLeft.x), static_cast<double>(topLeft.y + ascent)}, style);
        }
    }
    return plan.result;
}

}  // namespace platform
