#include "ui/graphics/Canvas.h"

#include "ui/core/Exceptions.h"
#include "ui/core/TypeInfo.h"
#include "ui/graphics/Graphic.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/RectFills.h"
#include "platform/text/TextMetrics.h"
#include "platform/text/TextOut.h"

namespace {

std::vector<platform::POINT> ToPoints(const std::vector<TPoint>& points) {
    std::vector<platform::POINT> result;
    result.reserve(points.size());
    for (TPoint p : points) result.push_back(p);
    return result;
}

}  // namespace

const TClassInfo& TCanvas::StaticClass() {
    static const TClassInfo info("TCanvas", &TPersistent::StaticClass());
    return info;
}

TCanvas::TCanvas() {
    font_.OnChange = [this](TObject*) { fontValid_ = false; };
    pen_.OnChange = [this](TObject*) { penValid_ = false; };
    brush_.OnChange = [this](TObject*) { brushValid_ = false; };
}

TCanvas::~TCanvas() { Deselect(); }

platform::HDC TCanvas::Handle() {
    if (!dc_) CreateHandle();
    if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
    return dc_;
}

void TCanvas::SetHandle(platform::HDC dc) {
    if (dc == dc_) return;
    Deselect();
    dc_ = dc;
}

void TCanvas::Deselect() {
    if (dc_) {
        if (oldFont_) platform::SelectObject(dc_, oldFont_);
        if (oldPen_) platform::SelectObject(dc_, oldPen_);
        if (oldBrush_) platform::SelectObject(dc_, oldBrush_);
    }
    oldFont_ = oldPen_ = oldBrush_ = nullptr;
    fontValid_ = penValid_ = brushValid_ = false;
}

void TCanvas::Refresh() { Deselect(); }

platform::HDC TCanvas::Ready(bool font, bool pen, bool brush) {
    platform::HDC dc = Handle();
    if (font && !fontValid_) {
        platform::HGDIOBJ old = platform::SelectObject(dc, font_.Handle());
        if (!oldFont_) oldFont_ = old;
        platform::SetTextColor(dc, ColorToRGB(font_.Color()));
        fontValid_ = true;
    }
    if (pen && !penValid_) {
        platform::HGDIOBJ old = platform::SelectObject(dc, pen_.Handle());
        if (!oldPen_) oldPen_ = old;
        platform::SetROP2(dc, PenModeToRop2(pen_.Mode()));
        penValid_ = true;
    }
    if (brush && !brushValid_) {
        platform::HGDIOBJ old = platform::SelectObject(dc, brush_.Handle());
        if (!oldBrush_) oldBrush_ = old;
        platform::SetBkColor(dc, ColorToRGB(brush_.Color()));
        platform::SetBkMode(dc, brush_.Style() == TBrushStyle::bsClear ? platform::TRANSPARENT : platform::OPAQUE);
        brushValid_ = true;
    }
    return dc;
}

TPoint TCanvas::PenPos() {
    platform::POINT p;
    platform::GetCurrentPositionEx(Handle(), &p);
    return {p.x, p.y};
}

void TCanvas::MoveTo(int x, int y) { platform::MoveToEx(Handle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
    Changing();
    platform::LineTo(Ready(false, true, true), x, y);
    Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    Changing();
    auto p = ToPoints(points);
    platform::Polyline(Ready(false, true, true), p.data(), static_cast<int>(p.size()));
    Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    Changing();
    auto p = ToPoints(points);
    platform::Polygon(Ready(false, true, true), p.data(), static_cast<int>(p.size()));
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Changing();
    platform::Rectangle(Ready(false, true, true), x1, y1, x2, y2);
    Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    Changing();
    platform::RoundRect(Ready(false, true, true), x1, y1, x2, y2, x3, y3);
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Changing();
    platform::Ellipse(Ready(false, true, true), x1, y1, x2, y2);
    Changed();
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Changing();
    platform::Arc(Ready(false, true, true), x1, y1, x2, y2, x3, y3, x4, y4);
    Changed();
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Changing();
    platform::Pie(Ready(false, true, true), x1, y1, x2, y2, x3, y3, x4, y4);
    Changed();
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Changing();
    platform::Chord(Ready(false, true, true), x1, y1, x2, y2, x3, y3, x4, y4);
    Changed();
}

void TCanvas::FillRect(const TRect& r) {
    Changing();
    platform::RECT rect = r;
    platform::HDC dc = Ready(false, false, true);
    platform::FillRect(dc, &rect, brush_.Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& r) {
    Changing();
    platform::RECT rect = r;
    platform::HDC dc = Ready(false, false, true);
    platform::FrameRect(dc, &rect, brush_.Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& r) {
    Changing();
    platform::RECT rect = r;
    platform::DrawFocusRect(Ready(false, false, true), &rect);
    Changed();
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    Changing();
    platform::TextOutA(Ready(true, false, true), x, y, text.data(), static_cast<int>(text.size()));
    Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::string_view text) {
    Changing();
    platform::RECT rect = r;
    platform::UINT options = platform::ETO_CLIPPED;
    if (brush_.Style() != TBrushStyle::bsClear) options |= platform::ETO_OPAQUE;
    platform::ExtTextOutA(Ready(true, false, true), x, y, options, &rect, text.data(),
                          static_cast<platform::UINT>(text.size()), nullptr);
    Changed();
}

platform::SIZE TCanvas::TextExtent(std::string_view text) {
    platform::SIZE size;
    platform::GetTextExtentPoint32A(Ready(true, false, false), text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Changing();
    Ready(false, false, false);
    graphic->Draw(*this, r);
    Changed();
}

void TCanvas::CopyRect(const TRect& destination, TCanvas& source, const TRect& sourceRect) {
    Changing();
    platform::StretchBlt(Ready(false, false, true), destination.Left, destination.Top, destination.Width(),
                         destination.Height(), source.Handle(), sourceRect.Left, sourceRect.Top, sourceRect.Width(),
                         sourceRect.Height(), CopyMode);
    Changed();
}

TColor TCanvas::Pixels(int x, int y) { return static_cast<TColor>(platform::GetPixel(Handle(), x, y)); }

void TCanvas::SetPixel(int x, int y, TColor color) {
    Changing();
    platform::SetPixel(Handle(), x, y, ColorToRGB(color));
    Changed();
}

TRect TCanvas::ClipRect() {
    platform::RECT box;
    platform::GetClipBox(Handle(), &box);
    return box;
}

void TCanvas::Lock() {
    lock_.lock();
    ++lockCount_;
}

void TCanvas::Unlock() {
    --lockCount_;
    lock_.unlock();
}

bool TCanvas::TryLock() {
    if (!lock_.try_lock()) return false;
    ++lockCount_;
    return true;
}

void TCanvas::Changing() { FireEvent(OnChanging, this); }

void TCanvas::Changed() { FireEvent(OnChange, this); }
