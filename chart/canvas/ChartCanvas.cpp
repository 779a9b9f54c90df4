#include "chart/canvas/ChartCanvas.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/canvas/ChartFont.h"
#include "chart/effects/ChartBlend.h"
#include "chart/effects/ChartGradient.h"
#include "chart/geometry/ChartGeometry.h"
#include "chart/text/HtmlText.h"

#include "platform/system/Angles.h"
#include "platform/text/Utf8Text.h"
#include "ui/core/Rounding.h"

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
    for (wchar_t c : text) platform::AppendUtf8(out, static_cast<char32_t>(c));
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
        const double a = platform::DegreesToRadians(angle);
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

void TChartCanvas::SelectBrushColor(const TChartBrush& brush, TColor color, TColor backColor) {
    if (monochrome_) color = clWhite;
    // the class library's part first, so the canvas brush shares the brush's bitmap
    brush_.TBrush::Assign(&brush);
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

void TChartCanvas::TextOut(int x, int y, const std::string& text, bool allowHtml) {
    if (allowHtml)
        DrawHtmlText(*this, x, y, text);
    else
        TextOut(x, y, text);
}
