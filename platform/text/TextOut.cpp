#include "platform/text/TextOut.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/system/LastError.h"
#include "platform/text/Utf8Text.h"
#include "platform/text/detail/DeviceFont.h"
#include "platform/text/detail/GlyphRun.h"

#include <climits>
#include <cmath>
#include <vector>

namespace platform {
namespace {

RECT SurfaceRect(const DeviceContext& dc, const RECT& logical) {
    POINT a = dc.ToSurface({logical.left, logical.top});
    POINT b = dc.ToSurface({logical.right, logical.bottom});
    return NormalizedRect(RECT{a.x, a.y, b.x, b.y});
}

}  // namespace

BOOL TextOutA(HDC hdc, int x, int y, const char* text, int count) {
    if (count < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return ExtTextOutA(hdc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count,
                 const INT* dx) {
    auto dc = DcOrFail(hdc);
    if (!dc) return FALSE;
    if ((!text && count > 0) || count > static_cast<UINT>(INT_MAX)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto font = SelectedDeviceFont(*dc);
    if (!font) {
        SetLastError(ERROR_GEN_FAILURE);
        return FALSE;
    }
    const DeviceContextAttributes& state = dc->state;
    TextPainter painter(*dc);
    if (rect && (options & ETO_OPAQUE)) painter.FillRect(SurfaceRect(*dc, *rect), state.bkColor);
    if (rect && (options & ETO_CLIPPED)) painter.Restrict(SurfaceRect(*dc, *rect));

    std::u32string characters = DecodeUtf8(Utf8Argument(text, static_cast<int>(count)));
    std::vector<int> advances;
    if (dx) {
        int step = (options & ETO_PDY) ? 2 : 1;
        for (std::size_t i = 0; i < characters.size(); ++i) advances.push_back(dx[i * step]);
    }
    GlyphRun run = MakeGlyphRun(*font, std::move(characters), dx ? advances.data() : nullptr);

    UINT align = state.textAlign;
    POINT reference = (align & TA_UPDATECP) ? state.currentPosition : POINT{x, y};
    POINT surface = dc->ToSurface(reference);
    const FontMetrics& metrics = font->font->Metrics();
    double along = 0;
    if ((align & TA_CENTER) == TA_CENTER) {
        along = -(run.width / 2);
    } else if (align & TA_RIGHT) {
        along = -run.width;
    }
    double down = 0;
    if ((align & TA_BASELINE) == TA_BASELINE) {
        down = 0;
    } else if (align & TA_BOTTOM) {
        down = -metrics.descent;
    } else {
        down = metrics.ascent;
    }
    double angle = font->font->AngleRadians();
    double c = std::cos(angle), s = std::sin(angle);
    PointF origin{surface.x + along * c + down * s, surface.y - along * s + down * c};

    RunStyle style;
    style.color = state.textColor;
    if (state.bkMode == OPAQUE) style.background = state.bkColor;
    PaintGlyphRun(painter, *font, run, origin, style);

    if (align & TA_UPDATECP) {
        // The current position moves to the far end of the text; centred
        // text leaves it where it was.
        double move = (align & TA_CENTER) == TA_CENTER ? 0 : (align & TA_RIGHT) ? -run.width : run.width;
        POINT device{static_cast<LONG>(std::lround(surface.x + move * c)) - dc->origin.x,
                     static_cast<LONG>(std::lround(surface.y - move * s)) - dc->origin.y};
        dc->state.currentPosition = dc->state.mapping.ToLogical(device);
    }
    return TRUE;
}

}  // namespace platform
