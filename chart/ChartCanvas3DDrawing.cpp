// The chart canvas on the platform's device contexts: the off-screen buffer,
// pens realised from the chart pens, text and clipping.

#include "chart/ChartCanvas3D.h"

#include "chart/ChartConst.h"
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

COLORREF ToColorRef(TColor c) { return static_cast<COLORREF>(c) & 0x00FFFFFF; }

int SystemPenStyle(TPenStyle style) { return static_cast<int>(style); }

// The system's mix mode (R2_ code) of each pen mode, in the modes' order.
int MixMode(TPenMode mode) {
    static const int codes[] = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};
    return codes[static_cast<int>(mode)];
}

}  // namespace

TChartCanvas3D::TChartCanvas3D()
    : fontName_(ChartConst::DefaultFontName), fontSize_(StrToIntDef(ChartConst::DefaultFontSize, 8)) {
    Pen().OnChange = [this] { penDirty_ = true; };
}

TChartCanvas3D::~TChartCanvas3D() {
    ReleaseTools();
    ReleaseBuffer();
    if (savedClip_) DeleteObject(savedClip_);
}

void TChartCanvas3D::ReleaseTools() {
    if (dc_) {
        SelectObject(dc_, GetStockObject(BLACK_PEN));
        SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    }
    if (pen_) DeleteObject(pen_);
    if (font_) DeleteObject(font_);
    pen_ = nullptr;
    font_ = nullptr;
    penDirty_ = true;
    fontEscapement_ = -1;
}

void TChartCanvas3D::ReleaseBuffer() {
    if (bufferDC_) {
        if (dc_ == bufferDC_) ReleaseTools();
        SelectObject(bufferDC_, bufferOldBitmap_);
        DeleteDC(bufferDC_);
    }
    if (bufferBitmap_) DeleteObject(bufferBitmap_);
    if (dc_ == bufferDC_) dc_ = nullptr;
    bufferDC_ = nullptr;
    bufferBitmap_ = nullptr;
    bufferWidth_ = bufferHeight_ = 0;
}

void TChartCanvas3D::SetTargetDC(HDC dc) {
    if (dc_ == dc) return;
    ReleaseTools();
    dc_ = dc;
}

void TChartCanvas3D::SetBuffered(bool value) {
    if (buffered_ == value) return;
    buffered_ = value;
    if (!value && bufferDC_) {
        ReleaseBuffer();
        bufferStale_ = true;
    } else if (value && bufferDC_) {
        SetTargetDC(bufferDC_);
    }
}

TRect TChartCanvas3D::PrepareDrawing(HDC destination, TView3DOptions* options, bool view3D, const TRect& userRect) {
    PrepareProjection(options, view3D);
    if (!buffered_) {
        SetTargetDC(destination);
        return userRect;
    }
    const int width = std::max(1, userRect.Width());
    const int height = std::max(1, userRect.Height());
    if (!bufferDC_ || width != bufferWidth_ || height != bufferHeight_) {
        ReleaseBuffer();
        BITMAPINFO info{};
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bufferDC_ = CreateCompatibleDC(destination);
        bufferBitmap_ = CreateDIBSection(bufferDC_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bufferOldBitmap_ = SelectObject(bufferDC_, bufferBitmap_);
        bufferWidth_ = width;
        bufferHeight_ = height;
    }
    SetTargetDC(bufferDC_);
    return TRect{0, 0, width, height};
}

void TChartCanvas3D::PresentBuffer(HDC destination, const TRect& userRect) {
    if (buffered_ && bufferDC_) {
        BitBlt(destination, userRect.Left, userRect.Top, bufferWidth_, bufferHeight_, bufferDC_, 0, 0, SRCCOPY);
        bufferStale_ = false;
    }
}

bool TChartCanvas3D::RepaintFromBuffer(HDC destination) {
    if (bufferStale_ || !bufferDC_) return false;
    BitBlt(destination, 0, 0, bufferWidth_, bufferHeight_, bufferDC_, 0, 0, SRCCOPY);
    return true;
}

// ---- pens ----

void TChartCanvas3D::RealizePen() {
    if (!penDirty_ && pen_) return;
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

void TChartCanvas3D::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TChartCanvas3D::LineTo(int x, int y) {
    RealizePen();
    platform::LineTo(dc_, x, y);
}

void TChartCanvas3D::FillRect(const TRect& rect) {
    if (Brush().Style() == TBrushStyle::bsClear) return;
    const TColor color = Brush().Color() == clDefault ? clWhite : Brush().Color();
    HBRUSH brush = CreateSolidBrush(ToColorRef(color));
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    platform::FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

void TChartCanvas3D::Rectangle(int left, int top, int right, int bottom) {
    RealizePen();
    const HGDIOBJ old = SelectFillBrush();
    platform::Rectangle(dc_, left, top, right, bottom);
    ReleaseFillBrush(old);
}

void TChartCanvas3D::Polygon(const TPoint* points, int count) {
    RealizePen();
    std::vector<POINT> corners(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) corners[i] = {points[i].X, points[i].Y};
    const HGDIOBJ old = SelectFillBrush();
    platform::Polygon(dc_, corners.data(), count);
    ReleaseFillBrush(old);
}

HGDIOBJ TChartCanvas3D::SelectFillBrush() {
    if (Brush().Style() == TBrushStyle::bsClear) return SelectObject(dc_, GetStockObject(NULL_BRUSH));
    const TColor color = Brush().Color() == clDefault ? clWhite : Brush().Color();
    return SelectObject(dc_, CreateSolidBrush(ToColorRef(Monochrome() ? clWhite : color)));
}

void TChartCanvas3D::ReleaseFillBrush(HGDIOBJ old) {
    // a stock brush is not deleted
    DeleteObject(SelectObject(dc_, old));
}

// ---- text ----

void TChartCanvas3D::SetFont(const std::string& name, int size, TColor color) {
    fontName_ = name;
    fontSize_ = size;
    fontColor_ = color;
    fontEscapement_ = -1;
}

void TChartCanvas3D::RealizeFont(int escapement) {
    if (font_ && fontEscapement_ == escapement) return;
    LOGFONTA lf{};
    const double size = fontSize_ * fontScale_ * 0.01;
    const int scaled = std::max(1, static_cast<int>(Round(zoomText_ && zoomFactor_ != 1 ? size * zoomFactor_ : size)));
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
    SelectObject(dc_, made);
    if (font_) DeleteObject(font_);
    font_ = made;
    fontEscapement_ = escapement;
}

void TChartCanvas3D::TextOut(int x, int y, const std::string& text) {
    RealizeFont(0);
    platform::SetTextAlign(dc_, TextAlign());
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, ToColorRef(Monochrome() ? clBlack : fontColor_));
    TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TChartCanvas3D::TextOutRotated(int x, int y, const std::string& text, int angle) {
    while (angle > 360) angle -= 360;
    Brush().SetStyle(TBrushStyle::bsClear);
    RealizeFont(static_cast<int>(Round(angle * 10.0)));
    platform::SetTextAlign(dc_, TextAlign());
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, ToColorRef(Monochrome() ? clBlack : fontColor_));
    TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

int TChartCanvas3D::TextWidth(const std::string& text) {
    RealizeFont(0);
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int TChartCanvas3D::TextHeight(const std::string& text) {
    RealizeFont(0);
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cy;
}

// ---- clipping ----

void TChartCanvas3D::ClipToRect(const TRect& rect) {
    POINT corners[2] = {{rect.Left, rect.Top}, {rect.Right, rect.Bottom}};
    LPtoDP(dc_, corners, 2);
    if (!savedClip_) savedClip_ = CreateRectRgn(0, 0, 0, 0);
    hasSavedClip_ = GetClipRgn(dc_, savedClip_) == 1;
    HRGN region = CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    ExtSelectClipRgn(dc_, region, RGN_AND);
    DeleteObject(region);
}

void TChartCanvas3D::RemoveClip() {
    SelectClipRgn(dc_, hasSavedClip_ ? savedClip_ : nullptr);
    hasSavedClip_ = false;
}
