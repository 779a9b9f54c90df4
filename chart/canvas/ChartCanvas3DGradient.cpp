// Gradient bands on the chart canvas: rows, columns, rings from the centre,
// growing corners and diagonal lines, each step one colour.

#include "chart/canvas/ChartCanvas3D.h"

#include "chart/effects/ChartGradient.h"
#include "chart/geometry/ChartGeometry.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/PensBrushes.h"

#include <algorithm>

using namespace platform;

namespace {

// Paints rectangles in the DC's brush, a new solid brush per colour change.
class BandPainter {
public:
    explicit BandPainter(HDC dc) : dc_(dc), old_(SelectObject(dc, GetStockObject(NULL_BRUSH))) {}
    ~BandPainter() {
        SelectObject(dc_, old_);
        if (brush_) DeleteObject(brush_);
    }
    BandPainter(const BandPainter&) = delete;
    BandPainter& operator=(const BandPainter&) = delete;
    void Colour(TColor c) {
        if (brush_ && c == colour_) return;
        HBRUSH made = CreateSolidBrush(ColorToRGB(c));
        SelectObject(dc_, made);
        if (brush_) DeleteObject(brush_);
        brush_ = made;
        colour_ = c;
    }
    void Band(int x, int y, int w, int h) {
        if (w > 0 && h > 0) PatBlt(dc_, x, y, w, h, PATCOPY);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
    HBRUSH brush_ = nullptr;
    TColor colour_ = clNone;
};

}  // namespace

void TChartCanvas3D::FillGradient(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction,
                                  int balance, int radialX, int radialY) {
    const TRect r = NormalizeRect(rect);
    if (direction == gdRadial) {
        TChartGradient radial;
        radial.SetStartColor(startColor);
        radial.SetEndColor(endColor);
        radial.SetBalance(balance);
        radial.SetRadialX(radialX);
        radial.SetRadialY(radialY);
        radial.DrawRadial(*this, r);
        return;
    }
    TColor first = startColor, last = endColor;
    if (direction != gdTopBottom && direction != gdLeftRight && direction != gdDiagonalUp &&
        direction != gdDiagonalDown)
        std::swap(first, last);
    first = static_cast<TColor>(ColorToRGB(first));
    last = static_cast<TColor>(ColorToRGB(last));
    auto step = [&](int i, int n) { return GradientStepColor(first, last, i, n, balance); };
    const int w = r.Width(), h = r.Height();

    if (direction == gdDiagonalUp || direction == gdDiagonalDown) {
        TChartPen saved;
        saved.Assign(&Pen());
        Pen().SetWidth(1);
        Pen().SetStyle(TPenStyle::psSolid);
        Pen().SetMode(TPenMode::pmCopy);
        const int n = std::max(1, std::min(255, w + h - 1));
        const bool up = direction == gdDiagonalUp;
        const int bottom = up ? r.Bottom : r.Bottom - 1;
        TPoint p{r.Left, up ? bottom : r.Top}, s = p;
        for (int b = 0; b < w + h; ++b) {
            const TColor colour = step(b * n / (w + h), n);
            Pen().SetColor(colour);
            Line(p, s);
            // a line leaves out its last pixel, which going down lies on the top row
            if (!up && s.Y == r.Top && s.X < r.Right) SetPixel(s.X, s.Y, colour);
            if (up) {
                if (s.X < r.Right) ++s.X; else if (s.Y > r.Top) --s.Y;
                if (p.Y > r.Top) --p.Y; else ++p.X;
            } else {
                if (s.X < r.Right) ++s.X; else if (s.Y < bottom) ++s.Y;
                if (p.Y < bottom) ++p.Y; else ++p.X;
            }
        }
        Pen().Assign(&saved);
        return;
    }

    BandPainter paint(Handle());
    switch (direction) {
        case gdTopBottom:
        case gdBottomTop: {
            const int k = std::min(h, 256), n = k - 1;
            if (n <= 0) return;
            for (int i = 0; i < k; ++i) {
                paint.Colour(step(i, n));
                const int y0 = r.Bottom - h * (i + 1) / k, y1 = r.Bottom - h * i / k;
                paint.Band(r.Left, y0, w, y1 - y0);
            }
            return;
        }
        case gdLeftRight:
        case gdRightLeft: {
            const int k = std::min(w, 256), n = k - 1;
            if (n <= 0) return;
            for (int i = 0; i < k; ++i) {
                paint.Colour(step(i, n));
                const int x0 = r.Right - w * (i + 1) / k, x1 = r.Right - w * i / k;
                paint.Band(x0, r.Top, x1 - x0, h);
            }
            return;
        }
        case gdFromCenter: {
            const int n = std::max(1, w / 2 + h / 2);
            int c = 0, d = 0;
            while (true) {
                paint.Colour(step(std::min(c + d, n), n));
                paint.Band(r.Left + d, r.Top + c, 1, h - 2 * c);
                paint.Band(r.Right - d - 1, r.Top + c, 1, h - 2 * c);
                paint.Band(r.Left + d, r.Top + c, w - 2 * d, 1);
                paint.Band(r.Left + d, r.Bottom - c - 1, w - 2 * d, 1);
                const bool moreC = c < h / 2, moreD = d < w / 2;
                if (!moreC && !moreD) break;
                if (moreC) ++c;
                if (moreD) ++d;
            }
            return;
        }
        case gdFromTopLeft:
        case gdFromBottomLeft: {
            const bool top = direction == gdFromTopLeft;
            const int corner = top ? r.Top : r.Bottom;
            const int n = std::max(1, w + h);
            int i = 0, j = 0, y = corner;
            while (j < h || i < w) {
                paint.Colour(step(std::min(i + j, n), n));
                if (top)
                    paint.Band(r.Left + i, corner, 1, y - corner + 1);
                else
                    paint.Band(r.Left + i, y, 1, corner - y);
                if (j < h) {
                    ++j;
                    paint.Band(r.Left, top ? y : y - 1, i + 1, 1);
                    if (top ? y < r.Bottom : y > r.Top) y += top ? 1 : -1;
                }
                if (i < w) ++i;
            }
            return;
        }
        default: return;
    }
}
