#include "chart/ChartCanvas.h"

#include "chart/ChartBlend.h"
#include "chart/ChartFont.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartGradient.h"

#include "ui/core/Rounding.h"
#include "ui/core/Utf8.h"

#include <algorithm>
#include <cmath>

void TChartCanvas::SelectPenColor(const TChartPen& pen, TColor color) {
    if (monochrome_) color = clBlack;
    if (!pen.Visible()) {
        pen_.SetStyle(TPenStyle::psClear);
        return;
    }
    pen_.Assign(pen);
    pen_.SetColor(color);
}

void TChartCanvas::SetDefaultTools() {
    const TChartPen plain;
    pen_.Assign(&plain);
    brush_.SetImage(nullptr);
    brush_.SetColor(clWhite);
    brush_.SetStyle(TBrushStyle::bsSolid);
    brush_.SetBackColor(clNone);
    font_.SetColor(clBlack);
    font_.SetStyle({});
    font_.SetCharset(1);
    font_.SetName(DefaultChartFont().Name);
    font_.SetSize(DefaultChartFont().Size);
    SetInterCharSize(0);
    blendTransparency_ = 0;
    chartFont_ = nullptr;
    AssignBackColor(clWhite);
    AssignBackMode(TRANSPARENT_MODE);
    SetTextAlign(TA_LEFT | TA_TOP);
}

void TChartCanvas::SelectChartFont(TChartFont& font) {
    font.PixelsPerInch = font_.PixelsPerInch;
    font_.Assign(static_cast<const TFont*>(&font));
    if (FontScale != 100) font_.SetSize(static_cast<int>(Round(font_.Size() * FontScale * 0.01)));
    if (monochrome_) font_.SetColor(clBlack);
    SetInterCharSize(font.InterCharSize());
    chartFont_ = &font;
    font.Canvas = this;
}

namespace {

std::string WideToUtf8(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) AppendUtf8(out, static_cast<char32_t>(c));
    return out;
}

}  // namespace

int TChartCanvas::TextWidthW(const std::wstring& text) { return TextWidth(WideToUtf8(text)); }

int TChartCanvas::TextHeightW(const std::wstring& text) { return TextHeight(WideToUtf8(text)); }

void TChartCanvas::DarkenBrush(TColor color, int amount) {
    const TColor darker = DarkerColor(color, amount);
    if (brush_.Style() == TBrushStyle::bsSolid)
        brush_.SetColor(darker);
    else
        AssignBackColor(darker);
}

std::unique_ptr<TChartBlend> TChartCanvas::StartTransparency(const TRect& rect, int transparency) {
    blendTransparency_ = transparency & 0x7F;
    return std::make_unique<TChartBlend>(*this, rect);
}

void TChartCanvas::FinishTransparency(std::unique_ptr<TChartBlend> blend) {
    if (blend) blend->MixBack(blendTransparency_);
}

void TChartCanvas::ArcAngles(int left, int top, int right, int bottom, double startAngle, double endAngle) {
    const int rx = (right - left) / 2;
    const int ry = (bottom - top) / 2;
    const int cx = left + rx;
    const int cy = top + ry;
    auto at = [&](double angle) {
        const double a = angle * DegToRad;
        return TPoint{cx + static_cast<int>(Round(std::cos(a) * rx)), cy - static_cast<int>(Round(std::sin(a) * ry))};
    };
    const TPoint p0 = at(startAngle), p1 = at(endAngle);
    Arc(left, top, right, bottom, p0.X, p0.Y, p1.X, p1.Y);
}

void TChartCanvas::FillPolygonGradient(const TPoint* points, int count, TCustomChartGradient& gradient) {
    auto* canvas3D = dynamic_cast<TCanvas3D*>(this);
    if (!canvas3D || count <= 0) return;
    ClipToPolygon(points, count, false);
    gradient.Draw(*canvas3D, PolygonRect(points, count), 0);
    RemoveClip();
    if (pen_.Style() == TPenStyle::psClear) return;
    const TBrushStyle style = brush_.Style();
    brush_.SetStyle(TBrushStyle::bsClear);
    Polygon(points, count);
    brush_.SetStyle(style);
}

TRect TCanvas3D::ProjectRect(const TRect& rect, int z) {
    const TPoint a = ChartToScreen(rect.Left, rect.Top, z);
    const TPoint b = ChartToScreen(rect.Right, rect.Bottom, z);
    return TRect{a.X, a.Y, b.X, b.Y};
}

std::vector<TPoint> TCanvas3D::ProjectRectCorners(const TRect& rect, int z) {
    return {ChartToScreen(rect.Left, rect.Top, z), ChartToScreen(rect.Right, rect.Top, z),
            ChartToScreen(rect.Right, rect.Bottom, z), ChartToScreen(rect.Left, rect.Bottom, z)};
}

TRect TCanvas3D::ProjectedBounds(const TRect& rect, int z) {
    const std::vector<TPoint> corners = ProjectRectCorners(rect, z);
    return PolygonRect(corners.data(), 4);
}

void TCanvas3D::PolygonAtDepth(const TPoint* points, int count, int z) {
    std::vector<TPoint> projected;
    projected.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) projected.push_back(ChartToScreen(points[i], z));
    Polygon(projected.data(), count);
}

void TCanvas3D::PolylineAtDepth(const TPoint* points, int count, int z) {
    std::vector<TPoint> projected;
    for (int i = 0; i < count; ++i) projected.push_back(ChartToScreen(points[i], z));
    Polyline(projected);
}

void TChartCanvas::SelectBrushColor(const TChartBrush& brush, TColor color, TColor backColor) {
    if (monochrome_) color = clWhite;
    brush_.SetImage(brush.HasImage() ? brush.Image() : nullptr);
    brush_.SetColor(color);
    brush_.SetStyle(brush.Style());
    brush_.SetBackColor(backColor);
}

void TChartCanvas::BevelFrame(TRect& r, TColor topColor, TColor bottomColor, int width) {
    pen_.SetWidth(1);
    pen_.SetStyle(TPenStyle::psSolid);
    --r.Right;
    --r.Bottom;
    for (int i = 0; i < width; ++i) {
        pen_.SetColor(topColor);
        Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
        pen_.SetColor(bottomColor);
        Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}});
        r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    ++r.Right;
    ++r.Bottom;
}
