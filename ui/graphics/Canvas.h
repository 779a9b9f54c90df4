#pragma once
// A drawing surface over a device context with its own font, pen and brush,
// selected into the context as they are needed. A canvas that has no context
// yet asks CreateHandle (a bitmap's or a control's canvas makes one).

#include "ui/core/Events.h"
#include "ui/core/Persistent.h"
#include "ui/core/Types.h"
#include "ui/graphics/GraphicsObjects.h"

#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <mutex>
#include <string_view>
#include <vector>

class TGraphic;

class TCanvas : public TPersistent {
    DECLARE_CLASS_INFO
public:
    TCanvas();
    ~TCanvas() override;

    // Raises EInvalidOperation "Canvas does not allow drawing" when no
    // context can be had.
    platform::HDC Handle();
    void SetHandle(platform::HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }

    TFont* Font() { return &font_; }
    TPen* Pen() { return &pen_; }
    TBrush* Brush() { return &brush_; }
    void SetFont(const TFont* font) { font_.Assign(font); }
    void SetPen(const TPen* pen) { pen_.Assign(pen); }
    void SetBrush(const TBrush* brush) { brush_.Assign(brush); }

    TPoint PenPos();
    void SetPenPos(TPoint position) { MoveTo(position.X, position.Y); }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& points);
    void Polygon(const std::vector<TPoint>& points);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // With the brush, no outline.
    void FillRect(const TRect& r);
    // A one-pixel frame in the brush's colour.
    void FrameRect(const TRect& r);
    void DrawFocusRect(const TRect& r);

    // The font's colour on the brush's background (none with bsClear).
    void TextOut(int x, int y, std::string_view text);
    // Clipped to the rectangle, which is filled first unless the brush is clear.
    void TextRect(const TRect& r, int x, int y, std::string_view text);
    platform::SIZE TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }

    // A graphic at its own size, or stretched to the rectangle.
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& r, TGraphic* graphic);
    // Part of another canvas, stretched, with CopyMode.
    void CopyRect(const TRect& destination, TCanvas& source, const TRect& sourceRect);
    std::uint32_t CopyMode = 0x00CC0020;  // SRCCOPY

    TColor Pixels(int x, int y);
    void SetPixel(int x, int y, TColor color);
    TRect ClipRect();

    // Serialises drawing from several threads; the GUI thread locks the
    // canvases it paints with, a worker locks before drawing on a bitmap.
    void Lock();
    void Unlock();
    bool TryLock();
    int LockCount() const { return lockCount_; }

    // Deselects the font, pen and brush, so they are selected again.
    void Refresh();

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    // Makes a context and hands it to SetHandle; the base has none to make.
    virtual void CreateHandle() {}
    // Before drawing and after it, for the owners that keep pictures current.
    void Changing();
    void Changed();

private:
    // The context with the font, pen and brush in place.
    platform::HDC Ready(bool font, bool pen, bool brush);
    void Deselect();

    platform::HDC dc_ = nullptr;
    TFont font_;
    TPen pen_;
    TBrush brush_;
    bool fontValid_ = false, penValid_ = false, brushValid_ = false;
    platform::HGDIOBJ oldFont_ = nullptr, oldPen_ = nullptr, oldBrush_ = nullptr;
    std::recursive_mutex lock_;
    int lockCount_ = 0;
};
