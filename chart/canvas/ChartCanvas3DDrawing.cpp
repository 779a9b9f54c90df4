// The chart canvas on the platform's device contexts: the off-screen buffer,
// pens realised from the chart pens, text and clipping.

#include "chart/canvas/ChartCanvas3D.h"

#include "chart/geometry/ChartGeometry.h"
#include "ui/core/Rounding.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/MeasureCanvas.h"
#include "ui/graphics/Picture.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blits.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/Regions.h"
#include "platform/text/Fonts.h"
#include "platform/text/TextMetrics.h"
#include "platform/text/TextOut.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace platform;

namespace {

int SystemPenStyle(TPenStyle style) { return static_cast<int>(style); }

// The system's mix mode (R2_ code) of each pen mode, in the modes' order.
int MixMode(TPenMode mode) {
    static const int codes[] = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};
    return codes[static_cast<int>(mode)];
}

}  // namespace

TChartCanvas3D::TChartCanvas3D() {
    Pen().OnChange = [this](TObject*) { penDirty_ = true; };
    FontScale = 100;
}

TChartCanvas3D::~TChartCanvas3D() { ReleaseTools(); }

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

void TChartCanvas3D::SetMonochrome(bool value) {
    if (Monochrome() == value) return;
    TCanvas3D::SetMonochrome(value);
    bufferStale_ = true;
    if (options_) options_->Repaint();
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
    const COLORREF color = ColorToRGB(p.Color());
    const PenLook look{color, p.Width(), p.Style(), p.SmallDots(), p.SmallSpace(), p.EndStyle(), p.Mode()};
    penDirty_ = false;
    // Someone drawing on the same context between our lines may have put
    // their own pen or mix in; then ours goes back in.
    if (pen_ && look == penLook_ && GetCurrentObject(dc_, OBJ_PEN) == pen_ && GetROP2(dc_) == MixMode(look.mode))
        return;
    penLook_ = look;
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
}

void TChartCanvas3D::MoveTo(int x, int y) { MoveToEx(Handle(), x, y, nullptr); }

void TChartCanvas3D::LineTo(int x, int y) {
    const HDC dc = Handle();
    RealizePen();
    platform::LineTo(dc, x, y);
}

// The brush of the canvas' brush: its picture (or else its bitmap) as a
// pattern, a hatch on the background colour, or solid; nothing when clear.
HBRUSH TChartCanvas3D::MakeBrush(HDC dc) {
    TChartBrush& b = Brush();
    const TColor color = Monochrome() ? clWhite : b.Color() == clDefault ? clWhite : b.Color();
    const TBitmap* pattern = b.HasImage() ? b.Image()->Bitmap() : b.Bitmap();
    if (pattern && !pattern->Empty()) {
        // a two-colour pattern takes the colour for its set bits and the back colour for the others
        SetTextColor(dc, ColorToRGB(color));
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ColorToRGB(b.BackColor() == clNone ? clWhite : b.BackColor()));
        return CreatePatternBrush(pattern->Handle());
    }
    if (b.Style() == TBrushStyle::bsClear) return nullptr;
    if (b.Style() == TBrushStyle::bsSolid) return CreateSolidBrush(ColorToRGB(color));
    if (b.BackColor() == clNone) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ColorToRGB(b.BackColor()));
    }
    return CreateHatchBrush(static_cast<int>(b.Style()) - 2, ColorToRGB(color));
}

void TChartCanvas3D::FillRect(const TRect& rect) {
    const HDC dc = Handle();
    HBRUSH brush = MakeBrush(dc);
    if (!brush) return;
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    platform::FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void TChartCanvas3D::WithTools(const std::function<void(HDC)>& shape) {
    const HDC dc = Handle();
    RealizePen();
    HBRUSH brush = MakeBrush(dc);
    const HGDIOBJ old = SelectObject(dc, brush ? brush : GetStockObject(NULL_BRUSH));
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


void TChartCanvas3D::Ellipse(int x1, int y1, int x2, int y2) {
    WithTools([&](HDC dc) { platform::Ellipse(dc, x1, y1, x2, y2); });
}

void TChartCanvas3D::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    const HDC dc = Handle();
    RealizePen();
    platform::Arc(dc, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TChartCanvas3D::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    WithTools([&](HDC dc) { platform::Pie(dc, x1, y1, x2, y2, x3, y3, x4, y4); });
}

void TChartCanvas3D::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Handle();
    target_->Draw(x, y, graphic);
    target_->Refresh();
}

void TChartCanvas3D::StretchDraw(const TRect& rect, TGraphic* graphic) {
    if (!graphic) return;
    Handle();
    target_->StretchDraw(rect, graphic);
    target_->Refresh();
}

TColor TChartCanvas3D::GetPixel(int x, int y) {
    const COLORREF c = platform::GetPixel(Handle(), x, y);
    return static_cast<TColor>(c & 0xFFFFFF);
}

void TChartCanvas3D::SetPixel(int x, int y, TColor color) { platform::SetPixel(Handle(), x, y, ColorToRGB(color)); }

TColor TChartCanvas3D::QueryBackColor() { return static_cast<TColor>(GetBkColor(Handle()) & 0xFFFFFF); }

void TChartCanvas3D::AssignBackColor(TColor color) { SetBkColor(Handle(), ColorToRGB(color)); }

int TChartCanvas3D::QueryBackMode() { return GetBkMode(Handle()); }

void TChartCanvas3D::AssignBackMode(int mode) { SetBkMode(Handle(), mode); }

void TChartCanvas3D::SetTextAlign(unsigned align) {
    TChartCanvas::SetTextAlign(align);
    if (target_) platform::SetTextAlign(Handle(), align);
}

// ---- clipping ----

namespace {

// The one saved clip region of every chart canvas: a clip is removed before
// another canvas clips.
struct SavedClip {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    bool held = false;
    ~SavedClip() { DeleteObject(region); }
};

SavedClip& Saved() {
    static SavedClip saved;
    return saved;
}

}  // namespace

void TChartCanvas3D::SaveClipAndCombine(HRGN region, int mode) {
    const HDC dc = Handle();
    Saved().held = GetClipRgn(dc, Saved().region) == 1;
    ExtSelectClipRgn(dc, region, mode);
    DeleteObject(region);
}

void TChartCanvas3D::ClipToRect(const TRect& rect) {
    POINT corners[2] = {{rect.Left, rect.Top}, {rect.Right, rect.Bottom}};
    LPtoDP(Handle(), corners, 2);
    SaveClipAndCombine(CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y), RGN_AND);
}

void TChartCanvas3D::ClipToRoundRect(const TRect& rect, int size) {
    POINT corners[2] = {{rect.Left, rect.Top}, {rect.Right, rect.Bottom}};
    LPtoDP(Handle(), corners, 2);
    SaveClipAndCombine(CreateRoundRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y, size, size), RGN_AND);
}

void TChartCanvas3D::ClipToEllipse(const TRect& rect, bool inverted) {
    if (inverted) {
        // combined straight in, without saving what was there
        HRGN region = CreateEllipticRgn(rect.Left, rect.Top, rect.Right, rect.Bottom);
        ExtSelectClipRgn(Handle(), region, RGN_XOR);
        DeleteObject(region);
        return;
    }
    POINT corners[2] = {{rect.Left, rect.Top}, {rect.Right, rect.Bottom}};
    LPtoDP(Handle(), corners, 2);
    SaveClipAndCombine(CreateEllipticRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y), RGN_AND);
}

void TChartCanvas3D::ClipToPolygon(const TPoint* points, int count, bool inverted) {
    if (count <= 0) return;
    std::vector<POINT> p(points, points + count);
    LPtoDP(Handle(), p.data(), count);
    SaveClipAndCombine(CreatePolygonRgn(p.data(), count, ALTERNATE), inverted ? RGN_DIFF : RGN_AND);
}

void TChartCanvas3D::RemoveClip() {
    SelectClipRgn(Handle(), Saved().held ? Saved().region : nullptr);
    Saved().held = false;
}
