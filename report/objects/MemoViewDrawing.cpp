#include "report/objects/MemoView.h"
#include "report/objects/Report.h"
#include "ui/core/Rounding.h"
#include "ui/core/ScopeGuards.h"
#include "ui/graphics/Canvas.h"

namespace {

// AutoWidth and the height and width measures lay the text out in this.
constexpr int kUnboundedSide = 10000;

int Rnd(double value) { return static_cast<int>(Round(value)); }

// The layout for memos of no report.
TrpDrawText& SharedLayout() {
    static TrpDrawText layout;
    return layout;
}

struct LayoutLock {
    LayoutLock() { TrpDrawText::EnterLock(); }
    ~LayoutLock() { TrpDrawText::LeaveLock(); }
    LayoutLock(const LayoutLock&) = delete;
    LayoutLock& operator=(const LayoutLock&) = delete;
};

}  // namespace

TrpDrawText& TrpCustomMemoView::Layout() const {
    TrpReport* report = Report();
    return report ? report->DrawText() : SharedLayout();
}

TRect TrpCustomMemoView::TextRectAt(double scaleX, double scaleY, double offsetX, double offsetY) const {
    const TrpFrame& frame = *Frame();
    int x = Rnd(offsetX + scaleX * AbsLeft()), y = Rnd(offsetY + scaleY * AbsTop());
    int x1 = Rnd(offsetX + scaleX * (AbsLeft() + Width())), y1 = Rnd(offsetY + scaleY * (AbsTop() + Height()));
    if (frame.DropShadow()) {
        x1 -= Rnd(scaleX * frame.ShadowWidth());
        y1 -= Rnd(scaleY * frame.ShadowWidth());
    }
    const double fw = frame.Width();
    const TrpFrameTypes sides = frame.Typ();
    const int left = x + (sides.Contains(TrpFrameType::ftLeft) ? Rnd((fw * scaleX - 1) / 2) : 0) + Rnd(GapX * scaleX);
    const int top = y + (sides.Contains(TrpFrameType::ftTop) ? Rnd((fw * scaleY - 1) / 2) : 0) + Rnd(GapY * scaleY);
    const int right =
        x1 - (sides.Contains(TrpFrameType::ftRight) ? Rnd(fw * scaleX / 2) : 0) - Rnd(GapX * scaleX) + 1;
    const int bottom =
        y1 - (sides.Contains(TrpFrameType::ftBottom) ? Rnd(fw * scaleY / 2) : 0) - Rnd(GapY * scaleY) + 1;
    return TRect(left, top, right, bottom);
}

double TrpCustomMemoView::HorizontalFrameAndGaps() const {
    const TrpFrame& frame = *Frame();
    const double fw = frame.Width();
    return 2 * GapX + (frame.Typ().Contains(TrpFrameType::ftLeft) ? (fw - 1) / 2 : 0) +
           (frame.Typ().Contains(TrpFrameType::ftRight) ? fw / 2 : 0) + (frame.DropShadow() ? frame.ShadowWidth() : 0);
}

double TrpCustomMemoView::VerticalFrameAndGaps() const {
    const TrpFrame& frame = *Frame();
    const double fw = frame.Width();
    return 2 * GapY + (frame.Typ().Contains(TrpFrameType::ftTop) ? (fw - 1) / 2 : 0) +
           (frame.Typ().Contains(TrpFrameType::ftBottom) ? fw / 2 : 0) + (frame.DropShadow() ? frame.ShadowWidth() : 0);
}

void TrpCustomMemoView::SetUpLayout(TrpDrawText& layout) {
    layout.SetUseDefaultCharset(UseDefaultCharset);
    layout.UseFont(highlight_.Active ? *highlight_.Font() : *Font());
    layout.UseOptions(WordWrap, AllowHTMLTags, rotation_, Wysiwyg, Clipped, WordBreak, RTLReading);
    layout.UseSpacing(LineSpacing, CharSpacing, ParagraphGap);
}

void TrpCustomMemoView::SetUpDrawText(TrpDrawText& layout, double scaleX, double scaleY, double offsetX,
                                      double offsetY) {
    SetUpLayout(layout);
    if (AutoWidth && !IsDesigning()) {
        const TRect unbounded(0, 0, kUnboundedSide, kUnboundedSide);
        layout.UseBounds(unbounded, unbounded, 1, 1, 1);
        layout.LoadText(memo_);
        const double oldWidth = Width();
        const double newWidth = layout.TextWidth() + HorizontalFrameAndGaps();
        if (HAlign == TrpHAlign::haRight) SetLeft(Left() + oldWidth - newWidth);
        else if (HAlign == TrpHAlign::haCenter) SetLeft(Left() + (oldWidth - newWidth) / 2);
        SetWidth(newWidth);
        if (TrpComponent* parent = Parent()) parent->ArrangeChildren();
    }
    layout.UseBounds(TextRectAt(1, 1, 0, 0), TextRectAt(scaleX, scaleY, offsetX, offsetY), scaleX, scaleY,
                     PrintScale);
    layout.LoadText(memo_);
    layout.MarkContinuation(FirstParaBreak, LastParaBreak);
}

void TrpCustomMemoView::Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) {
    if (!IsDesigning()) FillPageTotals();
    const TColor savedColor = Color();
    ScopeExit restoreColor([&] { SetColor(savedColor); });
    LayoutLock lock;
    TrpDrawText& layout = Layout();
    SetUpDrawText(layout, scaleX, scaleY, offsetX, offsetY);
    if (highlight_.Active) SetColor(highlight_.Color);
    TrpView::Draw(canvas, scaleX, scaleY, offsetX, offsetY);
    if (Underlines && rotation_ == 0) {
        const DeviceRect& d = Device();
        canvas.Pen()->SetStyle(TPenStyle::psSolid);
        canvas.Pen()->SetColor(Frame()->Color());
        canvas.Pen()->SetWidth(FrameWidthPixels());
        const double step = layout.LineStep() * scaleY;
        if (step > 0)
            for (double v = (GapY - LineSpacing + 1) * scaleY + d.Y + step; v < d.Y1; v += step) {
                canvas.MoveTo(d.X, Rnd(v));
                canvas.LineTo(d.X1, Rnd(v));
            }
    }
    layout.Paint(canvas, HAlign, VAlign);
}

double TrpCustomMemoView::CalcHeight() {
    LayoutLock lock;
    TrpDrawText& layout = Layout();
    SetUpLayout(layout);
    const TRect rect = AutoWidth ? TRect(0, 0, kUnboundedSide, kUnboundedSide) : TextRectAt(1, 1, 0, 0);
    layout.UseBounds(rect, rect, 1, 1, 1);
    layout.LoadText(memo_);
    return Rnd(layout.TextHeight() + VerticalFrameAndGaps());
}

double TrpCustomMemoView::CalcWidth() {
    LayoutLock lock;
    TrpDrawText& layout = Layout();
    SetUpLayout(layout);
    const TRect rect(0, 0, kUnboundedSide, kUnboundedSide);
    layout.UseBounds(rect, rect, 1, 1, 1);
    layout.LoadText(memo_);
    return Rnd(layout.TextWidth() + HorizontalFrameAndGaps());
}

void TrpCustomMemoView::StartParts() {
    partText_ = memo_.Text();
    FirstParaBreak = false;
    LastParaBreak = false;
}

double TrpCustomMemoView::CutPart() {
    LayoutLock lock;
    TrpDrawText& layout = Layout();
    memo_.SetText(partText_);
    SetUpDrawText(layout, 1, 1, 0, 0);
    bool paraBreak = false;
    partText_ = layout.RemainderText(paraBreak);
    memo_.SetText(layout.FittingText());
    LastParaBreak = paraBreak;
    const double spare = layout.SpareHeight();
    return spare == 0 ? Height() : spare;
}
