#include "chart/panel/ChartTitle.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/text/HtmlText.h"
#include "chart/text/TextRoutines.h"
#include "ui/core/PublishedProperties.h"

#include <algorithm>

const TClassInfo& TChartTitle::StaticClass() {
    using T = TChartTitle;
    static const TClassInfo info =
        TPublished<T>("TChartTitle", TChartCustomShapePosition::StaticClass())
            .Boolean("AdjustFrame", &T::AdjustFrame, &T::SetAdjustFrame, true)
            .Enumeration("Alignment", AlignmentInfo(), &T::Alignment, &T::SetAlignment,
                         static_cast<int>(TAlignment::taCenter))
            .Object("Text", &TStrings::StaticClass, [](T& t) { return &t.Text(); }, nullptr)
            .Stored([](const T& t) { return t.Text().Count() > 0; })
            .Integer("VertMargin", &T::VertMargin, &T::SetVertMargin, 5)
            .Build();
    return info;
}

const TClassInfo& TChartFootTitle::StaticClass() {
    static const TClassInfo info = TPublished<TChartFootTitle>("TChartFootTitle", TChartTitle::StaticClass()).Build();
    return info;
}

TChartTitle::TChartTitle(TCustomAxisPanel* chart) : TChartCustomShapePosition(chart), chart_(chart) {
    // a title is only its letters until it is given a fill
    TransparentDefault = true;
    SetTransparent(true);
    Font().SetColor(clBlue);
    Font().ColorDefault = clBlue;
    text_.OnChange = [this](TObject*) { RepaintParent(); };
}

TChartFootTitle::TChartFootTitle(TCustomAxisPanel* chart) : TChartTitle(chart) {
    onTop_ = false;
    Font().SetColor(clRed);
    Font().ColorDefault = clRed;
    Font().SetStyle(TFontStyles{TFontStyle::fsItalic});
    Font().StyleDefault = TFontStyles{TFontStyle::fsItalic};
}

void TChartTitle::Assign(const TPersistent* source) {
    if (const auto* title = dynamic_cast<const TChartTitle*>(source)) {
        adjustFrame_ = title->adjustFrame_;
        alignment_ = title->alignment_;
        text_.Assign(&title->text_);
        vertMargin_ = title->vertMargin_;
    }
    TChartCustomShapePosition::Assign(source);
}

void TChartTitle::SetText(const std::vector<std::string>& lines) {
    ReplaceLines(text_, lines);
}

void TChartTitle::SetAlignment(TAlignment v) {
    if (StoreIfChanged(alignment_, v)) RepaintParent();
}
void TChartTitle::SetAdjustFrame(bool v) {
    if (StoreIfChanged(adjustFrame_, v)) RepaintParent();
}
void TChartTitle::SetVertMargin(int v) {
    if (StoreIfChanged(vertMargin_, v)) RepaintParent();
}

bool TChartTitle::HitAt(int x, int y) const {
    const TRect& r = ShapeRect;
    return Visible() && x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

int TChartTitle::FrameWidth() {
    if (Bevel() != TPanelBevel::bvNone) return BevelWidth();
    const TChartPen& frame = Pen();
    return frame.Visible() && frame.Color() != clDefault ? frame.Width() : 0;
}

void TChartTitle::Draw() {
    TCanvas3D* canvas = chart_ ? chart_->Canvas() : nullptr;
    if (!Visible() || text_.Count() == 0 || !canvas) return;
    const int n = text_.Count();
    const int f = FrameWidth();
    const bool custom = CustomPosition();
    TRect r = ShapeRect;
    if (!custom) {
        r = chart_->PlotRect();
        if (onTop_) r.Top += f;
    }
    canvas->SelectChartFont(Font());
    canvas->SetTextAlign(TA_LEFT);
    const int h = canvas->FontLineHeight();
    if (onTop_ || custom)
        r.Bottom = r.Top + n * h;
    else
        r.Top = r.Bottom - n * h;
    if (!custom) r = {r.Left - f, r.Top - f, r.Right + f, r.Bottom + f};
    const int w = canvas->TextWidth("W");
    if (AdjustFrame()) {
        int widest = 0;
        for (int i = 0; i < n; ++i) widest = std::max(widest, canvas->TextWidth(text_.Strings(i)));
        const int a = w + f + widest;
        if (alignment_ == TAlignment::taLeftJustify) {
            r.Right = r.Left + a;
        } else if (alignment_ == TAlignment::taRightJustify) {
            r.Left = r.Right - a;
        } else {
            if (custom) r.Right = r.Left + a;
            const int c = (r.Left + r.Right) / 2;
            r.Left = c - a / 2;
            r.Right = c + a / 2;
        }
    }
    ShapeRect = r;
    DrawShape();
    canvas->AssignBackMode(TRANSPARENT_MODE);
    DrawLines(*canvas, h, f);
    if (custom) return;
    int m = vertMargin_ + f;
    if (!Transparent() && HasShadow() && Shadow().Visible()) m += Shadow().VertSize();
    if (!chart_->FixedPlotRect()) {
        TRect plot = chart_->PlotRect();
        if (onTop_)
            plot.Top = r.Bottom + m;
        else
            plot.Bottom = r.Bottom - m - n * h;
        chart_->SetPlotRect(plot);
    }
    chart_->FinishPlotRect();
}

void TChartTitle::DrawLines(TCanvas3D& canvas, int h, int f) {
    const TRect& r = ShapeRect;
    const int w = canvas.TextWidth("W");
    const int x0 = r.Left + w / 2;
    if (TextFormat() == ttfHtml) {
        std::string whole;
        for (int i = 0; i < text_.Count(); ++i) whole += (i ? "\r\n" : "") + text_.Strings(i);
        DrawHtmlText(canvas, x0, onTop_ ? r.Top + f : r.Bottom - h - f, whole);
        return;
    }
    for (int i = 0; i < text_.Count(); ++i) {
        const std::string line = text_.Strings(i);
        // a foot title's first line is its lowest
        const int y = onTop_ ? r.Top + f + i * h : r.Bottom - h - f - i * h;
        const int x = alignment_ == TAlignment::taLeftJustify    ? x0
                      : alignment_ == TAlignment::taRightJustify ? r.Right - canvas.TextWidth(line) - w / 2
                                                                 : (r.Left + r.Right) / 2 - canvas.TextWidth(line) / 2;
        canvas.TextOut(x, y, line);
    }
}
