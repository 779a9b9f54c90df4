#include "report/objects/View.h"

#include "report/objects/detail/DeviceSelection.h"

#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/PensBrushes.h"
#include "ui/graphics/Canvas.h"

#include <cstdlib>
#include <vector>

namespace {

using report_detail::DeviceLine;
using report_detail::HatchOf;
using report_detail::IsHatch;
using report_detail::Rnd;
using report_detail::Selection;

TPenStyle DashedPen(TrpFrameStyle style) {
    switch (style) {
        case TrpFrameStyle::fsDash: return TPenStyle::psDash;
        case TrpFrameStyle::fsDot: return TPenStyle::psDot;
        case TrpFrameStyle::fsDashDot: return TPenStyle::psDashDot;
        case TrpFrameStyle::fsDashDotDot: return TPenStyle::psDashDotDot;
        default: return TPenStyle::psSolid;
    }
}

bool IsDashed(TrpFrameStyle style) { return DashedPen(style) != TPenStyle::psSolid; }

platform::HPEN GeometricPen(int width, TColor color, platform::DWORD cap, const std::vector<platform::DWORD>& dashes) {
    platform::LOGBRUSH brush;
    brush.lbStyle = platform::BS_SOLID;
    brush.lbColor = ColorToRGB(color);
    platform::DWORD style = platform::PS_GEOMETRIC | cap | (dashes.empty() ? platform::PS_SOLID : platform::PS_USERSTYLE);
    return platform::ExtCreatePen(style, static_cast<platform::DWORD>(width), &brush,
                                  static_cast<platform::DWORD>(dashes.size()), dashes.empty() ? nullptr : dashes.data());
}

}  // namespace

void TrpView::Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) {
    PrepareDrawing(canvas, scaleX, scaleY, offsetX, offsetY);
    PaintBackground();
    PaintFrame();
}

void TrpView::PrepareDrawing(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) {
    canvas_ = &canvas;
    scaleX_ = scaleX;
    scaleY_ = scaleY;
    offsetX_ = offsetX;
    offsetY_ = offsetY;
    DeviceRect& d = device_;
    d.X = Rnd(offsetX + scaleX * AbsLeft());
    d.Y = Rnd(offsetY + scaleY * AbsTop());
    d.X1 = Rnd(offsetX + scaleX * (AbsLeft() + Width()));
    d.Y1 = Rnd(offsetY + scaleY * (AbsTop() + Height()));
    if (frame_.DropShadow()) {
        d.X1 -= Rnd(scaleX * frame_.ShadowWidth());
        d.Y1 -= Rnd(scaleY * frame_.ShadowWidth());
    }
    d.DX = d.X1 - d.X;
    d.DY = d.Y1 - d.Y;
    frameWidth_ = Rnd(scaleX * frame_.Width());
}

void TrpView::PaintBackground() {
    TCanvas& c = *canvas_;
    const DeviceRect& d = device_;
    if (color_ != clNone) {
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(color_);
        c.FillRect(TRect(d.X, d.Y, d.X1, d.Y1));
    }
    c.Brush()->SetStyle(brushStyle_);
    if (!IsHatch(brushStyle_)) return;
    // The hatch lies over the fill, or over what is under the view.
    platform::HDC dc = c.Handle();
    Selection outline(dc, c.Pen()->Handle(), false);
    Selection hatch(dc, platform::CreateHatchBrush(HatchOf(brushStyle_), ColorToRGB(frame_.Color())), true);
    int oldMode = platform::SetBkMode(dc, platform::TRANSPARENT);
    platform::Rectangle(dc, d.X, d.Y, d.X1 + 1, d.Y1 + 1);
    platform::SetBkMode(dc, oldMode);
}

void TrpView::DrawWideLine(int x, int y, int x1, int y1, int width) {
    if (width == 0) width = 1;
    int from = -(width / 2), to = width % 2 == 0 ? width / 2 - 1 : width / 2;
    bool flat = std::abs(x1 - x) > std::abs(y1 - y);
    for (int d = from; d <= to; ++d) {
        if (flat) {
            canvas_->MoveTo(x, y + d);
            canvas_->LineTo(x1, y1 + d);
        } else {
            canvas_->MoveTo(x + d, y);
            canvas_->LineTo(x1 + d, y1);
        }
    }
}

void TrpView::PaintFrame() {
    TCanvas& c = *canvas_;
    const DeviceRect& d = device_;
    const TrpFrame& frame = frame_;
    if (frame.DropShadow()) {
        c.Pen()->SetStyle(TPenStyle::psSolid);
        c.Pen()->SetWidth(1);
        c.Pen()->SetColor(frame.ShadowColor());
        int s = Rnd(frame.ShadowWidth() * scaleX_);
        DrawWideLine(d.X1 + s / 2, d.Y + s, d.X1 + s / 2, d.Y1, s);
        int t = Rnd(frame.ShadowWidth() * scaleY_);
        DrawWideLine(d.X + t, d.Y1 + t / 2, d.X1 + t, d.Y1 + t / 2, t);
    }
    TrpFrameTypes typ = frame.Typ();
    if (typ.Empty() || frame.Color() == clNone || frame.Width() == 0) return;
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    if (frame.Style() != TrpFrameStyle::fsSolid) {
        // The gaps of dashed lines show the fill.
        if (color_ == clNone) c.Brush()->SetStyle(TBrushStyle::bsClear);
        else c.Brush()->SetColor(color_);
    }
    auto penFor = [&](const TrpFrameLine& line) {
        c.Pen()->SetColor(line.Color());
        TrpFrameStyle style = line.Style();
        bool wide = style == TrpFrameStyle::fsSolid || style == TrpFrameStyle::fsDouble;
        c.Pen()->SetStyle(IsDashed(style) ? DashedPen(style) : TPenStyle::psSolid);
        c.Pen()->SetWidth(wide ? Rnd(line.Width() * scaleX_) : 1);
        return c.Pen()->Width();
    };
    bool left = typ.Contains(TrpFrameType::ftLeft), right = typ.Contains(TrpFrameType::ftRight),
         top = typ.Contains(TrpFrameType::ftTop), bottom = typ.Contains(TrpFrameType::ftBottom);
    bool styled = frame.Style() != TrpFrameStyle::fsSolid;
    if (left) {
        int a = penFor(*frame.LeftLine()) == 2 && styled ? 1 : 0;
        PaintSide(d.X, d.Y - a, d.X, d.Y1, *frame.LeftLine(), TrpFrameType::ftLeft, top, bottom);
    }
    if (right) {
        penFor(*frame.RightLine());
        PaintSide(d.X1, d.Y, d.X1, d.Y1, *frame.RightLine(), TrpFrameType::ftRight, top, bottom);
    }
    if (top) {
        penFor(*frame.TopLine());
        PaintSide(d.X, d.Y, d.X1, d.Y, *frame.TopLine(), TrpFrameType::ftTop, left, right);
    }
    if (bottom) {
        int b = penFor(*frame.BottomLine()) == 1 && styled ? 1 : 0;
        PaintSide(d.X, d.Y1, d.X1 + b, d.Y1, *frame.BottomLine(), TrpFrameType::ftBottom, left, right);
    }
}

void TrpView::PaintSide(int x, int y, int x1, int y1, const TrpFrameLine& line, TrpFrameType side, bool startMeets,
                        bool endMeets) {
    TCanvas& c = *canvas_;
    int w = Rnd(line.Width() * scaleX_);
    bool vertical = side == TrpFrameType::ftLeft || side == TrpFrameType::ftRight;
    TrpFrameStyle style = line.Style();
    if (style == TrpFrameStyle::fsSolid || style == TrpFrameStyle::fsDouble) {
        // Ends with no neighbouring side are pulled in by half the width.
        int& start = vertical ? y : x;
        int& end = vertical ? y1 : x1;
        start += (w * (startMeets ? 0 : 1)) / 2;
        end -= (w * (endMeets ? 0 : 1)) / 2;
    }
    platform::HDC dc = c.Handle();
    auto straight = [&](int ax, int ay, int bx, int by) {
        c.MoveTo(ax, ay);
        c.LineTo(bx, by);
    };
    switch (style) {
        case TrpFrameStyle::fsSolid: {
            Selection pen(dc, GeometricPen(w, line.Color(), platform::PS_ENDCAP_SQUARE, {}), true);
            if (pen) DeviceLine(dc, x, y, x1, y1);
            else straight(x, y, x1, y1);
            break;
        }
        case TrpFrameStyle::fsDouble: {
            int d1 = startMeets ? w : 0, d2 = endMeets ? w : 0;
            // Left and top: the outer line (-w) is the longer one; right and bottom the inner (+w).
            bool outerLonger = side == TrpFrameType::ftLeft || side == TrpFrameType::ftTop;
            auto offsetLine = [&](int offset, bool longer) {
                int s = longer ? -d1 : d1, e = longer ? d2 : -d2;
                if (vertical) straight(x + offset, y + s, x1 + offset, y1 + e);
                else straight(x + s, y + offset, x1 + e, y1 + offset);
            };
            offsetLine(-w, outerLonger);
            if (color_ != clNone) {
                c.Pen()->SetColor(color_);
                straight(x, y, x1, y1);
                c.Pen()->SetColor(line.Color());
            }
            offsetLine(w, !outerLonger);
            break;
        }
        case TrpFrameStyle::fsAltDot:
        case TrpFrameStyle::fsSquare: {
            if (color_ != clNone) {
                TColor penColor = c.Pen()->Color();
                c.Pen()->SetStyle(TPenStyle::psSolid);
                c.Pen()->SetColor(color_);
                DrawWideLine(x, y, x1, y1, w);
                c.Pen()->SetColor(penColor);
            }
            auto wd = static_cast<platform::DWORD>(w);
            std::vector<platform::DWORD> dashes = {1, 1};
            platform::DWORD cap = platform::PS_ENDCAP_FLAT;
            if (w > 1 && style == TrpFrameStyle::fsSquare) dashes = {wd, wd};
            else if (w > 1) {
                dashes = {0, 2 * wd};
                cap = platform::PS_ENDCAP_ROUND;
            }
            Selection pen(dc, GeometricPen(w, line.Color(), cap, dashes), true);
            if (pen) DeviceLine(dc, x, y, x1, y1);
            else DrawWideLine(x, y, x1, y1, w);  // no such pen here: a plain line is the nearest
            break;
        }
        default: DrawWideLine(x, y, x1, y1, w); break;
    }
}
