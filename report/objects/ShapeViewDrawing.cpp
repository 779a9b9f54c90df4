#include "report/objects/ShapeView.h"

#include "report/objects/detail/DeviceSelection.h"
#include "report/xml/XmlText.h"
#include "ui/core/ScopeGuards.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/DeviceContexts.h"

#include <algorithm>
#include <vector>

namespace {

using report_detail::HatchOf;
using report_detail::IsHatch;
using report_detail::Rnd;
using report_detail::Selection;

// The corner of the rounded rectangle, in tenths of the report unit.
constexpr double kCurveUnit = 10;

// How far the inner shape of a double frame lies inside the outer one, in frame widths.
struct Inset {
    double left, top, width, height;
};

Inset InsetOf(TrpShapeKind kind) {
    switch (kind) {
        case TrpShapeKind::skTriangle: return {4, 4, 8, 6};
        case TrpShapeKind::skDiamond: return {3, 3, 6, 6};
        case TrpShapeKind::skDiagonal1:
        case TrpShapeKind::skDiagonal2: return {2, 0, 0, 0};
        default: return {2, 2, 4, 4};
    }
}

// The frame style's number as a pen style; the two dotted kinds the pens lack draw solid.
TPenStyle PenStyleOf(TrpFrameStyle style) {
    int number = static_cast<int>(style);
    return number <= static_cast<int>(TPenStyle::psInsideFrame) ? static_cast<TPenStyle>(number) : TPenStyle::psSolid;
}

}  // namespace

void TrpShapeView::Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) {
    if (Frame()->Style() != TrpFrameStyle::fsDouble) {
        PrepareDrawing(canvas, scaleX, scaleY, offsetX, offsetY);
        PaintShape();
        return;
    }
    // Solid for the time of the drawing; the frame and the bounds come back
    // whole afterwards (each side's own style too).
    TrpFrame saved;
    saved.Assign(Frame());
    double left = Left(), top = Top(), width = Width(), height = Height();
    ScopeExit restore([&] {
        Frame()->Assign(&saved);
        SetBounds(left, top, width, height);
    });
    Frame()->SetStyle(TrpFrameStyle::fsSolid);
    PrepareDrawing(canvas, scaleX, scaleY, offsetX, offsetY);
    PaintShape();
    double f = Frame()->Width();
    Inset inset = InsetOf(shape_);
    SetBounds(left + inset.left * f, top + inset.top * f, width - inset.width * f, height - inset.height * f);
    PrepareDrawing(canvas, scaleX, scaleY, offsetX, offsetY);
    PaintShape();
}

void TrpShapeView::PaintShape() {
    TCanvas& c = *DrawingCanvas();
    const TrpFrame& frame = *Frame();
    c.Pen()->SetColor(frame.Color());
    c.Pen()->SetWidth(FrameWidthPixels());
    c.Pen()->SetStyle(frame.Color() == clNone ? TPenStyle::psClear : PenStyleOf(frame.Style()));
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    platform::HDC dc = c.Handle();
    // One pass of the figure with the canvas's pen and the given brush.
    auto pass = [&](platform::HGDIOBJ brush, bool owned, int backgroundMode) {
        Selection pen(dc, c.Pen()->Handle(), false);
        Selection fill(dc, brush, owned);
        int oldMode = platform::SetBkMode(dc, backgroundMode);
        Figure(dc);
        platform::SetBkMode(dc, oldMode);
    };
    if (IsHatch(BrushStyle())) {
        if (Color() != clNone) pass(platform::CreateSolidBrush(ColorToRGB(Color())), true, platform::OPAQUE);
        // The hatch's gaps show what lies under it.
        pass(platform::CreateHatchBrush(HatchOf(BrushStyle()), ColorToRGB(frame.Color())), true,
             platform::TRANSPARENT);
    } else if (Color() == clNone) {
        pass(platform::GetStockObject(platform::NULL_BRUSH), false, platform::OPAQUE);
    } else {
        pass(platform::CreateSolidBrush(ColorToRGB(Color())), true, platform::OPAQUE);
    }
}

void TrpShapeView::Figure(platform::HDC dc) {
    const DeviceRect& d = Device();
    switch (shape_) {
        case TrpShapeKind::skRectangle: platform::Rectangle(dc, d.X, d.Y, d.X1 + 1, d.Y1 + 1); break;
        case TrpShapeKind::skRoundRectangle: {
            int r = curve_ != 0 ? Rnd(curve_ * ScaleX() * kCurveUnit) : std::min(d.DX, d.DY) / 4;
            platform::RoundRect(dc, d.X, d.Y, d.X1 + 1, d.Y1 + 1, r, r);
            break;
        }
        case TrpShapeKind::skEllipse: platform::Ellipse(dc, d.X, d.Y, d.X1 + 1, d.Y1 + 1); break;
        case TrpShapeKind::skTriangle: {
            const platform::POINT points[] = {{d.X1, d.Y1}, {d.X, d.Y1}, {d.X + d.DX / 2, d.Y}, {d.X1, d.Y1}};
            platform::Polygon(dc, points, 4);
            break;
        }
        case TrpShapeKind::skDiamond: {
            const platform::POINT points[] = {
                {d.X + d.DX / 2, d.Y}, {d.X1, d.Y + d.DY / 2}, {d.X + d.DX / 2, d.Y1}, {d.X, d.Y + d.DY / 2}};
            platform::Polygon(dc, points, 4);
            break;
        }
        case TrpShapeKind::skDiagonal1: DrawWideLine(d.X, d.Y1, d.X1, d.Y, FrameWidthPixels()); break;
        case TrpShapeKind::skDiagonal2: DrawWideLine(d.X, d.Y, d.X1, d.Y1, FrameWidthPixels()); break;
    }
}

std::string TrpShapeView::DifferenceText(const TrpComponent& reference) const {
    std::string text = TrpView::DifferenceText(reference);
    auto* r = dynamic_cast<const TrpShapeView*>(&reference);
    if (r && shape_ != r->shape_) text += AttributeText("Shape", std::to_string(static_cast<int>(shape_)));
    return text;
}
