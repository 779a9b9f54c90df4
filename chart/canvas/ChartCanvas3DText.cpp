// Text on the chart canvas: the canvas font realised on the device context,
// turned or zoomed copies of it, and the chart font's shadow, outline,
// gradient and picture fill.

#include "chart/canvas/ChartCanvas3D.h"

#include "chart/effects/BlurFilter.h"
#include "chart/effects/ChartBlend.h"
#include "chart/effects/ChartPicture.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Picture.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Paths.h"
#include "platform/gdi/Regions.h"
#include "platform/text/Fonts.h"
#include "platform/text/TextMetrics.h"
#include "platform/text/TextOut.h"

#include <algorithm>
#include <cstdlib>

using namespace platform;

void TChartCanvas3D::RealizeFont(HDC dc) {
    const HFONT source = Font().Handle();
    if (GetTextCharacterExtra(dc) != interCharSize_) SetTextCharacterExtra(dc, interCharSize_);
    if (textEscapement_ == 0 && textHeight_ == 0) {
        SelectObject(dc, source);
        return;
    }
    if (!font_ || fontSource_ != source || fontEscapement_ != textEscapement_ || fontHeight_ != textHeight_) {
        LOGFONTA lf{};
        GetObject(source, sizeof lf, &lf);
        lf.lfEscapement = lf.lfOrientation = textEscapement_;
        if (textEscapement_ != 0) {
            lf.lfOutPrecision = 7;  // OUT_TT_ONLY_PRECIS
            lf.lfQuality = 4;       // antialiased
        }
        if (textHeight_ != 0) lf.lfHeight = textHeight_;
        const HFONT made = CreateFontIndirectA(&lf);
        SelectObject(dc, made);
        if (font_) DeleteObject(font_);
        font_ = made;
        fontSource_ = source;
        fontEscapement_ = textEscapement_;
        fontHeight_ = textHeight_;
        return;
    }
    SelectObject(dc, font_);
}

void TChartCanvas3D::SetInterCharSize(int size) { interCharSize_ = size; }

void TChartCanvas3D::SelectChartFont(TChartFont& font) {
    // the canvas font's handle goes when it changes: out of the contexts first
    if (dc_) SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    if (measure_) SelectObject(measure_->Handle(), GetStockObject(SYSTEM_FONT));
    TChartCanvas::SelectChartFont(font);
}

void TChartCanvas3D::SetDefaultTools() {
    if (dc_) SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    if (measure_) SelectObject(measure_->Handle(), GetStockObject(SYSTEM_FONT));
    TChartCanvas::SetDefaultTools();
}

unsigned TChartCanvas3D::QueryTextAlign() { return GetTextAlign(Handle()); }

SIZE TChartCanvas3D::TextExtent(const std::string& text) {
    const HDC dc = MeasureHandle();
    RealizeFont(dc);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TChartFont* f = ChartFont();
    if (f && f->HasShadow() && f->Shadow().Visible()) {
        TChartShadow& shadow = f->Shadow();
        size.cx += std::abs(shadow.HorizSize());
        size.cy += std::abs(shadow.VertSize());
    }
    return size;
}

int TChartCanvas3D::TextWidth(const std::string& text) { return TextExtent(text).cx; }

int TChartCanvas3D::TextHeight(const std::string& text) { return TextExtent(text).cy; }

TRect TChartCanvas3D::TextRect(int x, int y, const std::string& text) {
    const int w = TextWidth(text);
    const int h = TextHeight(text);
    unsigned align = TextAlign();
    if (align >= 8) align -= 8;
    if (align == ::TA_RIGHT) return TRect{x - w, y, x, y + h};
    if (align == ::TA_CENTER) return TRect{x - w / 2, y, x + w / 2, y + h};
    return TRect{x, y, x + w, y + h};
}

void TChartCanvas3D::PlainTextOut(int x, int y, const std::string& text) {
    const HDC dc = Handle();
    RealizeFont(dc);
    platform::SetTextAlign(dc, TextAlign());
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TChartCanvas3D::TextOut(int x, int y, const std::string& text) {
    const HDC dc = Handle();
    TChartFont* f = ChartFont();
    if (f && f->HasShadow()) {
        TChartShadow& shadow = f->Shadow();
        const int h = shadow.HorizSize(), v = shadow.VertSize();
        if (shadow.Visible() && (h != 0 || v != 0)) {
            // a shadow cast left or up moves the text the other way
            int sx = x, sy = y;
            if (h < 0) x -= h; else sx += h;
            if (v < 0) y -= v; else sy += v;
            std::unique_ptr<TChartBlend> blend;
            if (shadow.Transparency() != 0) blend = StartTransparency(TextRect(sx, sy, text), shadow.Transparency());
            SetTextColor(dc, ColorToRGB(shadow.Color()));
            PlainTextOut(sx, sy, text);
            if (shadow.Smooth() && shadow.SmoothBlur() > 0) BlurTextShadow(sx, sy, text, shadow.SmoothBlur());
            if (blend) FinishTransparency(std::move(blend));
        }
    }
    SetTextColor(Handle(), ColorToRGB(Monochrome() ? clBlack : Font().Color()));
    if (!TextOutWithEffects(x, y, text)) PlainTextOut(x, y, text);
}

void TChartCanvas3D::BlurTextShadow(int sx, int sy, const std::string& text, int steps) {
    if (!buffer_ || target_ != buffer_->Canvas()) return;
    SIZE size{};
    GetTextExtentPoint32A(Handle(), text.c_str(), static_cast<int>(text.size()), &size);
    unsigned align = TextAlign();
    if (align >= 8) align -= 8;
    if (align == ::TA_RIGHT) sx -= size.cx;
    else if (align == ::TA_CENTER) sx -= size.cx / 2;
    TBlurFilter blur;
    blur.SetSteps(steps);
    blur.Apply(*buffer_, TRect{std::max(0, sx - 1), std::max(0, sy), std::min(buffer_->Width() - 1, sx + size.cx),
                               std::min(buffer_->Height() - 1, sy + size.cy - 1)});
    SetBkMode(Handle(), TRANSPARENT);
}

bool TChartCanvas3D::TextOutWithEffects(int x, int y, const std::string& text) {
    TChartFont* f = ChartFont();
    if (!f) return false;
    const bool outline = f->HasOutLine() && f->OutLine().Visible();
    const bool gradient = f->HasGradient() && f->Gradient().Visible();
    const bool picture = f->HasPicture();
    if (!outline && !gradient && !picture) return false;
    if (outline)
        SelectPen(f->OutLine());
    else
        Pen().SetStyle(TPenStyle::psClear);
    Brush().SetImage(nullptr);
    Brush().SetStyle(TBrushStyle::bsSolid);
    Brush().SetColor(Font().Color());
    const HDC dc = Handle();
    SetBkMode(dc, TRANSPARENT);
    auto textPath = [&] {
        RealizeFont(dc);
        platform::SetTextAlign(dc, TextAlign());
        BeginPath(dc);
        TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
        EndPath(dc);
    };
    textPath();
    // The path as the clip region, over what was clipped before.
    auto clipToPath = [&] {
        HRGN none = CreateRectRgn(0, 0, 0, 0);
        SaveClipAndCombine(none, RGN_OR);
        SelectClipPath(dc, RGN_AND);
    };
    if (gradient) {
        TChartFontGradient& g = f->Gradient();
        if (g.Outline()) {
            RealizePen();
            WidenPath(dc);
        }
        clipToPath();
        g.Draw(*this, TextRect(x, y, text), 0);
        RemoveClip();
        if (g.Outline()) return true;
        if (outline) {
            textPath();
            Brush().SetStyle(TBrushStyle::bsClear);
        }
    } else if (picture) {
        clipToPath();
        StretchDraw(TextRect(x, y, text), f->Picture().FilteredGraphic());
        RemoveClip();
        if (outline) {
            textPath();
            Brush().SetStyle(TBrushStyle::bsClear);
        }
    }
    if (!outline) return true;
    if (f->Color() == clNone)
        WithTools([](HDC d) { StrokePath(d); });
    else
        WithTools([](HDC d) { StrokeAndFillPath(d); });
    return true;
}

int TChartCanvas3D::ZoomedFontHeight() {
    if (!zoomText_ || zoomFactor_ == 1) return 0;
    const int size = Font().Size();
    const int n = std::max(1, static_cast<int>(Round(size * zoomFactor_)));
    if (n == size) return 0;
    return -MulDiv(n, Font().PixelsPerInch, 72);
}

void TChartCanvas3D::TextOutAtDepth(int x, int y, int z, const std::string& text) {
    const TPoint p = ChartToScreen(x, y, z);
    textHeight_ = ZoomedFontHeight();
    TextOut(p.X, p.Y, text);
    textHeight_ = 0;
}

void TChartCanvas3D::TextOutRotated(int x, int y, const std::string& text, int angle) {
    while (angle > 360) angle -= 360;
    Brush().SetStyle(TBrushStyle::bsClear);
    textEscapement_ = static_cast<int>(Round(angle * 10.0));
    textHeight_ = ZoomedFontHeight();
    TextOut(x, y, text);
    textEscapement_ = 0;
    textHeight_ = 0;
}
