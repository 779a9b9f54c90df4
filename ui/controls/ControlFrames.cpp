#include "ui/controls/ControlFrames.h"

#include "ui/graphics/Colors.h"

namespace {

void Edge(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
    canvas.Pen()->SetColor(topLeft);
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right - 1, r.Top);
    canvas.Pen()->SetColor(bottomRight);
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Left - 1, r.Bottom - 1);
}

TRect Inset(const TRect& r, int d) { return {r.Left + d, r.Top + d, r.Right - d, r.Bottom - d}; }

}  // namespace

void DrawSunkenFrame(TCanvas& canvas, TRect& r) {
    Edge(canvas, r, clBtnShadow, clBtnHighlight);
    Edge(canvas, Inset(r, 1), cl3DDkShadow, clBtnFace);
    r = Inset(r, 2);
}

void DrawRaisedFrame(TCanvas& canvas, TRect& r, bool pushed) {
    if (pushed) {
        Edge(canvas, r, cl3DDkShadow, clBtnHighlight);
        Edge(canvas, Inset(r, 1), clBtnShadow, clBtnFace);
    } else {
        Edge(canvas, r, clBtnHighlight, cl3DDkShadow);
        Edge(canvas, Inset(r, 1), clBtnFace, clBtnShadow);
    }
    r = Inset(r, 2);
}

void DrawCheckBoxMark(TCanvas& c, const TRect& box, TCheckBoxState state, bool enabled, bool pushed) {
    TRect inside = box;
    DrawSunkenFrame(c, inside);
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(pushed || !enabled ? clBtnFace : clWindow);
    c.FillRect(inside);
    if (state == TCheckBoxState::cbUnchecked) return;
    c.Pen()->SetColor(state == TCheckBoxState::cbGrayed || !enabled ? clBtnShadow : clWindowText);
    int x = inside.Left + 1, y = inside.Top + 3;
    for (int i = 0; i < 3; ++i) {
        c.MoveTo(x, y + i);
        c.LineTo(x + 2, y + 2 + i);
        c.LineTo(x + 7, y - 3 + i);
    }
}
