// The chart canvas on the platform's device contexts: the off-screen buffer,
// pens realised from the chart pens, text and clipping.

#include "chart/ChartCanvas3D.h"

#include "chart/ChartConst.h"
#include "chart/ChartGeometry.h"
#include "ui/Colors.h"
#include "ui/MeasureCanvas.h"
#include "ui/NumberConversion.h"
#include "ui/Rounding.h"

#include "platform/Bitmaps.h"
#include "platform/Blits.h"
#include "platform/Clipping.h"
#include "platform/DeviceContexts.h"
#include "platform/Fonts.h"
#include "platform/GdiObjects.h"
#include "platform/LinesShapes.h"
#include "platform/Mapping.h"
#include "platform/PensBrushes.h"
#include "platform/RectFills.h"
#include "platform/Regions.h"
#include "platform/TextMetrics.h"
#include "platform/TextOut.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace platform;

namespace {

// System colours too, as the system shows them.
COLORREF ToColorRef(TColor c) { return static_cast<COLORREF>(ColorToRGB(c)); }

int SystemPenStyle(TPenStyle style) { return static_cast<int>(style); }

// The system's mix mode (R2_ code) of each pen mode, in the modes' order.
int MixMode(TPenMode mode) {
    static const int codes[] = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};
    return codes[static_cast<int>(mode)];
}

}  // namespace

TChartCanvas3D::TChartCanvas3D()
    : fontName_(ChartConst::DefaultFontName), fontSize_(StrToIntDef(ChartConst::DefaultFontSize, 8)) {
    Pen().OnChange = [this](TObject*) { penDirty_ = true; };
}

TChartCanvas3D::~TChartCanvas3D() {
    ReleaseTools();
    if (savedClip_) DeleteObject(savedClip_);
}

HDC TChartCanvas3D::Handle() {
    HDC dc = target_ ? target_->Handle() : nullptr;
    if (dc != dc_) {
        // The bitmap made its context again (its pixels were touched): the
        // old one is gone with our tools in it.
        dc_ = nullptr;
        ReleaseTools();
        dc_ = dc;
    }
    return dc_;
}

HDC TChartCanvas3D::MeasureHandle() {
    if (target_ && target_->HandleAllocated()) return Handle();
    // Outside a paint the control's canvas has no context: text is measured
    // on a context of our own with the same font.
    if (!measure_) measure_ = std::make_unique<TMeasureCanvas>();
    return measure_->Handle();
}

void TChartCanvas3D::ReleaseTools() {
    if (dc_) {
        SelectObject(dc_, GetStockObject(BLACK_PEN));
        SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    }
    if (measure_) SelectObject(measure_->Handle(), GetStockObject(SYSTEM_FONT));
    if (pen_) DeleteObject(pen_);
    if (font_) DeleteObject(font_);
    pen_ = nullptr;
    font_ = nullptr;
    penDirty_ = true;
    fontEscapement_ = -1;
}

void TChartCanvas3D::SetTargetCanvas(TCanvas* canvas) {
    if (target_ == canvas) return;
    ReleaseTools();
    target_ = canvas;
    dc_ = nullptr;
    if (target_) target_->Refresh();  // its own tools out of the context: ours go in
}

void TChartCanvas3D::ReleaseBuffer() {
    if (buffer_ && target_ == buffer_->Canvas()) SetTargetCanvas(nullptr);
    buffer_ = nullptr;
    ownBuffer_.reset();
}

void TChartCanvas3D::SetBuffer(TBitmap* bitmap) { buffer_ = bitmap; }

void TChartCanvas3D::SetBuffered(bool value) {
    if (buffered_ == value) return;
    buffered_ = value;
    if (!value && buffer_) {
        if (!KeepBuffer) ReleaseBuffer();
        bufferStale_ = true;
    } else if (value && buffer_) {
        SetTargetCanvas(buffer_->Canvas());
    }
}

TRect TChartCanvas3D::PrepareDrawing(TCanvas* destination, TView3DOptions* options, TColor, bool view3D,
                                     const TRect& userRect) {
    canvasBounds_ = userRect;
    PrepareProjection(options, view3D);
    if (!buffered_) {
        SetTargetCanvas(destination);
        return userRect;
    }
    int width = 0, height = 0;
    RectExtent(userRect, width, height);
    if (!buffer_) {
        ownBuffer_ = std::make_unique<TBitmap>();
        buffer_ = ownBuffer_.get();
    }
    if (buffer_->Width() != width || buffer_->Height() != height) {
        SetTargetCanvas(nullptr);
        buffer_->SetSize(width, height);
    }
    buffer_->Canvas()->OnChange = nullptr;
    buffer_->Canvas()->OnChanging = nullptr;
    SetTargetCanvas(buffer_->Canvas());
    return TRect{0, 0, width, height};
}

void TChartCanvas3D::CopyBufferTo(int x, int y, TCanvas& destination) {
    if (!buffer_) return;
    BitBlt(destination.Handle(), x, y, buffer_->Width(), buffer_->Height(), Handle(), 0, 0, SRCCOPY);
}

void TChartCanvas3D::PresentBuffer(TCanvas* destination, TCanvas* defaultCanvas, const TRect& userRect) {
    if (buffered_ && buffer_ && destination) {
        SetTargetCanvas(buffer_->Canvas());
        CopyBufferTo(userRect.Left, userRect.Top, *destination);
        bufferStale_ = false;
    }
    SetTargetCanvas(defaultCanvas);
}

bool TChartCanvas3D::RepaintFromBuffer() {
    if (bufferStale_ || !buffer_ || !target_) return false;
    BitBlt(target_->Handle(), 0, 0, buffer_->Width(), buffer_->Height(), buffer_->Canvas()->Handle(), 0, 0, SRCCOPY);
    return true;
}

// ---- pens ----

void TChartCanvas3D::RealizePen() {
    if (!penDirty_ && pen_) return;
    Handle();
    const TChartPen& p = Pen();
    const COLORREF color = ToColorRef(p.Color());
    HPEN made;
    if (p.SmallDots() && p.Style() != TPenStyle::psClear) {
        LOGBRUSH brush{};
        brush.lbStyle = BS_SOLID;
        brush.lbColor = color;
        if (p.SmallSpace() <= 0) {
            made = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
        } else {
            const DWORD styles[2] = {0, static_cast<DWORD>(p.SmallSpace() + 1)};
            made = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, &brush, 2, styles);
        }
    } else if (p.Width() >= 2 && p.Style() != TPenStyle::psClear) {
        LOGBRUSH brush{};
        brush.lbStyle = BS_SOLID;
        brush.lbColor = color;
        const DWORD ends = p.EndStyle() == esSquare ? (PS_ENDCAP_SQUARE | PS_JOIN_BEVEL)
                           : p.EndStyle() == esFlat ? (PS_ENDCAP_FLAT | PS_JOIN_MITER)
                                                    : (PS_ENDCAP_ROUND | PS_JOIN_ROUND);
        made = ExtCreatePen(PS_GEOMETRIC | ends | SystemPenStyle(p.Style()), p.Width(), &brush, 0, nullptr);
    } else {
        made = CreatePen(SystemPenStyle(p.Style()), p.Width(), color);
    }
    SelectObject(dc_, made);
    if (pen_) DeleteObject(pen_);
    pen_ = made;
    SetROP2(dc_, MixMode(p.Mode()));
    penDirty_ = false;
}

void TChartCanvas3D::MoveTo(int x, int y) { MoveToEx(Handle(), x, y, nullptr); }

void TChartCanvas3D::LineTo(int x, int y) {
    const HDC dc = Handle();
    RealizePen();
    platform::LineTo(dc, x, y);
}

void TChartCanvas3D::FillRect(const TRect& rect) {
    if (Brush().Style() == TBrushStyle::bsClear) return;
    const TColor color = Brush().Color() == clDefault ? clWhite : Brush().Color();
    HBRUSH brush = CreateSolidBrush(ToColorRef(color));
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    platform::FillRect(Handle(), &r, brush);
    DeleteObject(brush);
}

// Runs `shape` with the pen and a brush of the canvas' brush selected.
template <class Shape>
void TChartCanvas3D::WithTools(Shape shape) {
    const HDC dc = Handle();
    RealizePen();
    HBRUSH brush = nullptr;
    HGDIOBJ old;
    if (Brush().Style() == TBrushStyle::bsClear) {
        old = SelectObject(dc, GetStockObject(NULL_BRUSH));
    } else {
        const TColor color = Brush().Color() == clDefault ? clWhite : Brush().Color();
        brush = CreateSolidBrush(ToColorRef(Monochrome() ? clWhite : color));
        old = SelectObject(dc, brush);
    }
    shape(dc);
    SelectObject(dc, old);
    if (brush) DeleteObject(brush);
}

void TChartCanvas3D::Rectangle(int left, int top, int right, int bottom) {
    WithTools([&](HDC dc) { platform::Rectangle(dc, left, top, right, bottom); });
}

void TChartCanvas3D::Polygon(const TPoint* points, int count) {
    if (count <= 0) return;
    std::vector<POINT> corners(points, points + count);
    WithTools([&](HDC dc) { platform::Polygon(dc, corners.data(), count); });
}

void TChartCanvas3D::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    WithTools([&](HDC dc) { platform::RoundRect(dc, x1, y1, x2, y2, x3, y3); });
}

void TChartCanvas3D::Polyline(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    std::vector<POINT> p(points.begin(), points.end());
    const HDC dc = Handle();
    RealizePen();
    platform::Polyline(dc, p.data(), static_cast<int>(p.size()));
}

// ---- text ----

void TChartCanvas3D::SetFont(const std::string& name, int size, TColor color) {
    fontName_ = name;
    fontSize_ = size;
    fontColor_ = color;
    fontEscapement_ = -1;
}

void TChartCanvas3D::RealizeFont(HDC dc, int escapement) {
    if (!font_ || fontEscapement_ != escapement) {
        LOGFONTA lf{};
        const double size = fontSize_ * fontScale_ * 0.01;
        const int scaled =
            std::max(1, static_cast<int>(Round(zoomText_ && zoomFactor_ != 1 ? size * zoomFactor_ : size)));
        lf.lfHeight = -MulDiv(scaled, 96, 72);
        lf.lfEscapement = escapement;
        lf.lfOrientation = escapement;
        lf.lfWeight = 400;
        lf.lfCharSet = 1;
        if (escapement != 0) {
            lf.lfOutPrecision = 7;  // OUT_TT_ONLY_PRECIS
            lf.lfQuality = 4;       // antialiased
        }
        std::strncpy(lf.lfFaceName, fontName_.c_str(), sizeof lf.lfFaceName - 1);
        HFONT made = CreateFontIndirectA(&lf);
        SelectObject(dc, made);
        if (font_) DeleteObject(font_);
        font_ = made;
        fontEscapement_ = escapement;
        return;
    }
    SelectObject(dc, font_);
}

void TChartCanvas3D::TextOut(int x, int y, const std::string& text) {
    const HDC dc = Handle();
    RealizeFont(dc, 0);
    platform::SetTextAlign(dc, TextAlign());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(Monochrome() ? clBlack : fontColor_));
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TChartCanvas3D::TextOutRotated(int x, int y, const std::string& text, int angle) {
    while (angle > 360) angle -= 360;
    Brush().SetStyle(TBrushStyle::bsClear);
    const HDC dc = Handle();
    RealizeFont(dc, static_cast<int>(Round(angle * 10.0)));
    platform::SetTextAlign(dc, TextAlign());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(Monochrome() ? clBlack : fontColor_));
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

int TChartCanvas3D::TextWidth(const std::string& text) {
    const HDC dc = MeasureHandle();
    RealizeFont(dc, 0);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int TChartCanvas3D::TextHeight(const std::string& text) {
    const HDC dc = MeasureHandle();
    RealizeFont(dc, 0);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cy;
}

// ---- clipping ----

void TChartCanvas3D::ClipToRect(const TRect& rect) {
    Handle();
    POINT corners[2] = {{rect.Left, rect.Top}, {rect.Right, rect.Bottom}};
    LPtoDP(dc_, corners, 2);
    if (!savedClip_) savedClip_ = CreateRectRgn(0, 0, 0, 0);
    hasSavedClip_ = GetClipRgn(dc_, savedClip_) == 1;
    HRGN region = CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    ExtSelectClipRgn(dc_, region, RGN_AND);
    DeleteObject(region);
}

void TChartCanvas3D::RemoveClip() {
    Handle();
    SelectClipRgn(dc_, hasSavedClip_ ? savedClip_ : nullptr);
    hasSavedClip_ = false;
}
