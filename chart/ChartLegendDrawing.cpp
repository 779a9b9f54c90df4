// The legend's layout and drawing: how many rows and columns fit, where the
// box goes, its title, rows, symbols, check boxes and dividing lines, and the
// room it takes from the plot.

#include "chart/ChartLegend.h"

#include "chart/Chart.h"
#include "chart/ChartCanvas.h"
#include "chart/ChartCanvas3D.h"
#include "chart/ChartSeries.h"
#include "chart/HtmlText.h"
#include "chart/SeriesGroups.h"

#include "ui/core/Rounding.h"

#include "platform/gdi/FrameDrawing.h"

#include <algorithm>
#include <cstdlib>

namespace {

int RoundInt(double v) { return static_cast<int>(Round(v)); }

// The box casts a shadow.
bool ShapeShadowShows(TChartCustomShape& shape) { return shape.HasShadow() && shape.Shadow().Visible(); }

// A column of value rows written against its right edge.
bool RightAligned(TLegendTextStyle style, int column) {
    if (column == 0)
        return style == ltsLeftValue || style == ltsLeftPercent || style == ltsXValue || style == ltsValue ||
               style == ltsPercent || style == ltsXAndValue || style == ltsXAndPercent;
    return style == ltsRightValue || style == ltsRightPercent || style == ltsXAndValue || style == ltsXAndPercent;
}

}  // namespace

void DrawCheckBox(int x, int y, TCanvas3D& canvas, bool checked, TColor, bool isCheckBox) {
    auto* gdi = dynamic_cast<TChartCanvas3D*>(&canvas);
    if (!gdi || !gdi->Handle()) return;
    platform::RECT r{x, y, x + 13, y + 13};
    platform::UINT state = isCheckBox ? platform::DFCS_BUTTONCHECK : platform::DFCS_BUTTONRADIO;
    if (checked) state |= platform::DFCS_CHECKED;
    platform::DrawFrameControl(gdi->Handle(), &r, platform::DFC_BUTTON, state);
}

void TLegendSymbol::Draw(TCanvas3D& c, TColor color, const TRect& rect) {
    if (shadow_.Visible() && shadow_.Spread() != 0) shadow_.Draw(c, rect);
    if (!defaultPen_) c.SelectPen(pen_);
    if (gradient_.Visible()) {
        gradient_.SetEndColor(color);
        gradient_.Draw(c, rect);
        c.Brush().SetStyle(TBrushStyle::bsClear);
    } else {
        c.Brush().SetColor(color);
    }
    TRect r = rect;
    if (c.Pen().Style() == TPenStyle::psClear && c.Brush().Style() != TBrushStyle::bsClear) {
        ++r.Right;
        ++r.Bottom;
    }
    c.Rectangle(r);
}

void TCustomAxisPanel::DrawLegendSymbolRect(const TRect& rect) {
    if (Canvas()) Canvas()->Rectangle(rect);
}

void TCustomChart::DrawLegendSymbolRect(const TRect& rect) {
    TCanvas3D& c = *Canvas();
    TLegendSymbol& symbol = legend_.Symbol();
    if (symbol.Gradient().Visible() || symbol.Shadow().Visible()) {
        symbol.Draw(c, c.Brush().Color(), rect);
        return;
    }
    c.Rectangle(rect);
    // a symbol in the legend's own colour would vanish: outline it
    if (c.Brush().Style() != TBrushStyle::bsClear && c.Brush().Color() == LegendBackColor) {
        c.Brush().SetStyle(TBrushStyle::bsClear);
        if (LegendBackColor == clBlack) c.Pen().SetColor(clWhite);
        c.Rectangle(rect);
    }
}

namespace {

// One layout of the legend: the values the rows share while they are drawn.
struct LegendLayout {
    int frame = 0;       // F
    int rowHeight = 0;   // h
    int margin = 0;      // m
    int textsWidth = 0;  // T
    int checkX = 0;
    int symbolX = 0;
    int textX = 0;
    std::vector<std::array<std::string, 2>> texts;
};

}  // namespace

class TLegendPainter {
public:
    TLegendPainter(TCustomChartLegend& legend, TCustomChart& chart, TCanvas3D& canvas)
        : l_(legend), chart_(chart), c_(canvas) {}
    void Draw();

private:
    int FrameWidth();
    void CollectTexts();
    void MeasureColumns();
    int TextExtent(const std::string& text);
    void WriteText(int x, int y, const std::string& text, TColor fontColor);
    int TitleWidth();
    void PlaceSymbolAndText(int x);
    void DrawTitle(TRect rect);
    void DrawRow(int v, int p);
    void DrawRowSymbol(TChartSeries* series, int valueIndex, const TRect& rect);
    void TakeRoom();

    TCustomChartLegend& l_;
    TCustomChart& chart_;
    TCanvas3D& c_;
    LegendLayout k_;
};

void TCustomChartLegend::Draw() {
    if (!chart_ || !chart_->Canvas()) return;
    TLegendPainter(*this, *chart_, *chart_->Canvas()).Draw();
}

int TLegendPainter::FrameWidth() {
    if (l_.Bevel() != TPanelBevel::bvNone) return l_.BevelWidth();
    return l_.Pen().Visible() ? l_.Pen().Width() : 0;
}

void TLegendPainter::CollectTexts() {
    k_.texts.assign(std::max(0, l_.lastValue_ - l_.firstValue_ + 1), {});
    for (int r = l_.firstValue_; r <= l_.lastValue_; ++r) {
        const std::string text = chart_.GetLegendText(&l_, r);
        std::array<std::string, 2>& row = k_.texts[l_.inverted_ ? l_.lastValue_ - r : r - l_.firstValue_];
        const std::size_t first = text.find(LegendColumnSeparator);
        row[0] = text.substr(0, first);
        if (first != std::string::npos) {
            const std::size_t second = text.find(LegendColumnSeparator, first + 1);
            row[1] = text.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
        }
    }
}

void TLegendPainter::MeasureColumns() {
    if (l_.AutomaticColumnWidths) {
        for (int col = 0; col < 2; ++col) {
            int widest = 0;
            for (int r = l_.firstValue_; r <= l_.lastValue_; ++r) {
                const TLegendItem* item = l_.items_.Custom() ? l_.items_.Find(r) : nullptr;
                const std::size_t at = l_.inverted_ ? l_.lastValue_ - r : r - l_.firstValue_;
                const std::string& text =
                    item ? (col == 0 ? item->Text() : item->Text2()) : k_.texts[at][col];
                widest = std::max(widest, TextExtent(text));
            }
            l_.ColumnWidths[col] = widest;
        }
    }
    k_.textsWidth = 0;
    for (int w : l_.ColumnWidths)
        if (w > 0) k_.textsWidth += w + l_.blankWidth_ - 1;
}

int TLegendPainter::TextExtent(const std::string& text) {
    if (l_.TextFormat() != ttfHtml) return c_.TextWidth(text);
    const int width = MeasureHtmlText(c_, text).cx;
    c_.SelectChartFont(l_.Font());  // tags leave the canvas font changed
    return width;
}

void TLegendPainter::WriteText(int x, int y, const std::string& text, TColor fontColor) {
    if (l_.TextFormat() != ttfHtml) {
        c_.TextOut(x, y, text);
        return;
    }
    DrawHtmlText(c_, x, y, text);
    c_.SelectChartFont(l_.Font());
    c_.Font().SetColor(fontColor);
}

int TLegendPainter::TitleWidth() {
    TLegendTitle& t = l_.title_;
    c_.SelectChartFont(t.Font());
    int widest = 0;
    for (int i = 0; i < t.Text().Count(); ++i) widest = std::max(widest, c_.TextWidth(t.Text().Strings(i)));
    int w = widest + c_.TextWidth("W");
    if (!t.Transparent()) {
        if (t.Pen().Visible()) w += 2 * t.Pen().Width();
        if (ShapeShadowShows(t)) w += t.Shadow().HorizSize();
    }
    c_.SelectChartFont(l_.Font());
    return w;
}

void TLegendPainter::PlaceSymbolAndText(int x) {
    TLegendSymbol& s = l_.symbol_;
    const bool shadow = s.Shadow().Visible();
    if (s.Visible() && s.Position() == spLeft) {
        k_.symbolX = x + 6;
        k_.textX = x + l_.symbolWidth_ + 12;
        if (shadow) {
            k_.textX += std::abs(s.Shadow().HorizSize());
            if (s.Shadow().HorizSize() < 0) k_.symbolX += std::abs(s.Shadow().HorizSize());
        }
    } else {
        k_.textX = x + (s.Visible() ? 6 : 8);
        k_.symbolX = k_.textX + k_.textsWidth;
    }
}

void TLegendPainter::Draw() {
    c_.BeginGroup("Legend");
    l_.ResolveStyle();
    k_.frame = FrameWidth();
    const int F = k_.frame;
    const TRect render = chart_.RenderRect();
    TRect& r = l_.ShapeRect;
    const bool custom = l_.CustomPosition();
    if (custom) {
        if (l_.positionUnits_ == muPercent) {
            const int w = r.Width(), h = r.Height();
            r.Left = RoundInt(l_.leftPercent_ * chart_.Width() * 0.01);
            r.Top = RoundInt(l_.topPercent_ * chart_.Height() * 0.01);
            r.Right = r.Left + w;
            r.Bottom = r.Top + h;
        }
        r = {r.Left + render.Left, r.Top + render.Top, r.Right + render.Left, r.Bottom + render.Top};
    }
    TChartPage& pages = chart_.Pages();
    const bool pagedValues = pages.MaxPointsPerPage() > 0 && l_.internalStyle_ == lsValues && l_.currentPage_;
    if (pages.MaxPointsPerPage() > 0) l_.firstValue_ = pagedValues ? pages.FirstValueIndex() : 0;
    l_.totalItems_ = l_.ItemCount();
    if (pagedValues) l_.totalItems_ = std::min(l_.totalItems_, pages.MaxPointsPerPage());

    chart_.LegendBackColor = l_.Color();
    c_.SelectChartFont(l_.Font());
    l_.blankWidth_ = c_.TextWidth(" ");
    const int h = k_.rowHeight = l_.RowHeight();

    TLegendTitle& title = l_.title_;
    l_.drawTitle_ = title.Visible() && title.Text().Count() > 0;
    l_.titleHeight_ = 0;
    if (l_.drawTitle_) {
        c_.SelectChartFont(title.Font());
        l_.titleHeight_ = title.Text().Count() * c_.FontLineHeight();
        if (!title.Transparent()) {
            l_.titleHeight_ += 2;
            if (title.Pen().Visible()) l_.titleHeight_ += 2 * title.Pen().Width();
        }
        c_.SelectChartFont(l_.Font());
    }

    const TRect plot = chart_.PlotRect();
    const bool checkBoxes = l_.HasCheckBoxes();
    if (l_.IsVertical()) {
        if (!custom) {
            TChartShadow& shadow = chart_.Shadow();
            const int a = shadow.Visible() && shadow.VertSize() < 0 ? 2 * std::abs(shadow.VertSize()) : 0;
            const int height = r.Height();
            r.Top = RoundInt(l_.topPos_ * (render.Height() - a) * 0.01) + a + render.Top;
            r.Bottom = r.Top + height;
        }
        l_.columns_ = 1;
        const int tb = l_.TitleBottom();
        l_.rows_ = tb >= plot.Bottom || h <= 0
                       ? 0
                       : std::min((chart_.PlotHeight() + plot.Top - 2 * F - tb) / h, l_.totalItems_);
        l_.lastValue_ = l_.firstValue_ + std::min(l_.totalItems_, l_.rows_) - 1;
        CollectTexts();
    } else {
        l_.lastValue_ = l_.firstValue_ + l_.totalItems_ - 1;
        CollectTexts();
        MeasureColumns();
        l_.symbolWidth_ = l_.symbol_.CalcWidth(k_.textsWidth);
        if (!custom) {
            if (l_.alignment_ == laBottom) {
                int gap = F + 1;
                if (ShapeShadowShows(l_)) gap += l_.Shadow().VertSize();
                if (l_.OnSizeAdjust) l_.OnSizeAdjust(&l_, gap);
                const int height = r.Height();
                r.Bottom = plot.Bottom - gap;
                r.Top = r.Bottom - height;
            } else {
                const int height = r.Height();
                r.Top = plot.Top + F + 1;
                r.Bottom = r.Top + height;
            }
        }
        const int w = l_.symbolWidth_ + k_.textsWidth + 8 + (checkBoxes ? 27 : 0);
        l_.columns_ = plot.Right <= 8 || w <= 0 ? 0 : std::min((chart_.PlotWidth() - 2 * F - 8) / w, l_.totalItems_);
        l_.columns_ = std::max(l_.columns_, 0);
        if (l_.columns_ == 0 || h <= 0) {  // rows without height show nothing
            l_.rows_ = 0;
        } else {
            l_.rows_ = l_.totalItems_ / l_.columns_ + (l_.totalItems_ % l_.columns_ > 0 ? 1 : 0);
            l_.rows_ = std::min(l_.rows_, l_.maxNumRows_);
        }
        // the texts stay collected for every item: an inverted legend finds
        // the rows it shows at the end of the table
        l_.lastValue_ = l_.firstValue_ + std::min(l_.totalItems_, l_.columns_ * l_.rows_) - 1;
    }

    if (l_.lastValue_ >= l_.firstValue_) {
        k_.margin = RoundInt(h * 0.1);
        int height = h * l_.rows_ + 2 + 2 * k_.margin;
        if (l_.drawTitle_) {
            height += l_.titleHeight_ + 4;
            if (!title.Transparent() && ShapeShadowShows(title)) height += std::abs(title.Shadow().VertSize());
        }
        TLegendSymbol& symbol = l_.symbol_;
        if (symbol.Visible() && symbol.Shadow().Visible() && symbol.Shadow().VertSize() > h / 6)
            height += symbol.Shadow().VertSize() - h / 6;
        if (l_.alignment_ == laBottom && !custom)
            r.Top = r.Bottom - height;
        else
            r.Bottom = r.Top + height;

        if (l_.IsVertical()) {
            MeasureColumns();
            int W = k_.textsWidth + 12;
            l_.symbolWidth_ = l_.internalStyle_ == lsSeriesGroups ? 0 : symbol.CalcWidth(k_.textsWidth + 12);
            W += l_.symbolWidth_;
            if (symbol.Visible()) {
                W += 2;
                if (symbol.Shadow().Visible()) W += std::abs(symbol.Shadow().HorizSize());
            }
            if (l_.OnSizeAdjust) l_.OnSizeAdjust(&l_, W);
            if (l_.drawTitle_) W = std::max(W, TitleWidth());
            if (custom || l_.alignment_ == laLeft) {
                if (!custom) r.Left = plot.Left + F + 1;
            } else {
                r.Right = plot.Right - (ShapeShadowShows(l_) ? l_.Shadow().HorizSize() : 0) - (F + 1);
                r.Left = r.Right - W - (checkBoxes ? 15 : 0);
            }
            int x = r.Left;
            if (checkBoxes) {
                k_.checkX = x + 4;
                x += 15;
            }
            r.Right = x + W;
            PlaceSymbolAndText(x);
        } else {
            int W = l_.columns_ * (k_.textsWidth + l_.symbolWidth_ + 6) + 6 + 2 * l_.columns_;
            if (checkBoxes) W += l_.columns_ * 15 + 4;
            if (l_.drawTitle_) W = std::max(W, TitleWidth());
            const int d = std::min(chart_.PlotWidth(), W) / 2;
            if (!custom) r.Left = RoundInt(l_.topPos_ * (render.Width() - 2 * d) * 0.01) + chart_.PlotCenterX() - d;
            r.Right = r.Left + 2 * d;
            int x = r.Left;
            if (checkBoxes) {
                k_.checkX = r.Left + 4;
                x = r.Left + 15;
            }
            PlaceSymbolAndText(x);
        }

        if (chart_.OnGetLegendRect) {
            // the rows go where the handler moves the box (their tops follow its top)
            const int left = r.Left;
            chart_.OnGetLegendRect(&chart_, r);
            k_.checkX += r.Left - left;
            k_.symbolX += r.Left - left;
            k_.textX += r.Left - left;
        }
        l_.DrawShape();

        if (l_.drawTitle_) {
            TRect tr{r.Left + 2, r.Top + 2, r.Right - 2, r.Top + 2 + l_.titleHeight_};
            if (!title.Transparent() && ShapeShadowShows(title)) {
                const int hs = title.Shadow().HorizSize(), vs = title.Shadow().VertSize();
                if (hs < 1)
                    tr.Left += std::abs(hs);
                else
                    tr.Right -= std::abs(hs);
                if (vs < 0) tr.Top += std::abs(vs);
            }
            DrawTitle(tr);
        }

        if (!l_.items_.Custom()) l_.items_.Clear();
        if (l_.inverted_) {
            for (int v = l_.lastValue_; v >= l_.firstValue_; --v) DrawRow(v, l_.lastValue_ - v);
        } else {
            for (int v = l_.firstValue_; v <= l_.lastValue_; ++v) DrawRow(v, v - l_.firstValue_);
        }
        TakeRoom();
    }
    if (custom) r = {r.Left - render.Left, r.Top - render.Top, r.Right - render.Left, r.Bottom - render.Top};
    c_.EndGroup();
}

void TLegendPainter::DrawTitle(TRect rect) {
    TLegendTitle& t = l_.title_;
    t.ShapeRect = rect;
    t.DrawShape();
    c_.SelectChartFont(t.Font());
    c_.SetTextAlign(TA_LEFT);
    c_.AssignBackMode(TRANSPARENT_MODE);
    const int hw = c_.TextWidth("W");
    const int fh = c_.FontLineHeight();
    if (l_.TextFormat() == ttfHtml && t.TextAlignment() == TAlignment::taLeftJustify) {
        std::string whole;
        for (int i = 0; i < t.Text().Count(); ++i) whole += (i ? "\r\n" : "") + t.Text().Strings(i);
        DrawHtmlText(c_, rect.Left + hw / 2, rect.Top + 1, whole);
        c_.SelectChartFont(l_.Font());
        return;
    }
    for (int i = 0; i < t.Text().Count(); ++i) {
        const std::string line = t.Text().Strings(i);
        const int y = rect.Top + 1 + i * fh;
        const int w = c_.TextWidth(line);
        const int x = t.TextAlignment() == TAlignment::taLeftJustify    ? rect.Left + hw / 2
                      : t.TextAlignment() == TAlignment::taRightJustify ? rect.Right - w - hw / 2
                                                                        : (rect.Left + rect.Right) / 2 - w / 2;
        c_.TextOut(x, y, line);
    }
    c_.SelectChartFont(l_.Font());
}

void TLegendPainter::DrawRow(int v, int p) {
    if (p >= l_.totalItems_) return;
    const int h = k_.rowHeight;
    const bool checkBoxes = l_.HasCheckBoxes();
    c_.Brush().SetColor(l_.Color());
    c_.Brush().SetStyle(TBrushStyle::bsClear);
    c_.AssignBackMode(TRANSPARENT_MODE);
    chart_.LegendSymbolPen = l_.symbol_.DefaultPen() ? nullptr : &l_.symbol_.Pen();

    const bool vertical = l_.IsVertical();
    const int row = vertical ? p : p / l_.columns_;
    const int columnOffset =
        vertical ? 0 : (k_.textsWidth + l_.symbolWidth_ + 8 + (checkBoxes ? 15 : 0)) * (p % l_.columns_);
    int symbolX = k_.symbolX + columnOffset;
    int textX = k_.textX + columnOffset;
    int y = l_.TitleBottom() + k_.margin + 1 + h * row + l_.vertSpacing_ / 2;
    if (chart_.OnGetLegendPos) chart_.OnGetLegendPos(&chart_, v, textX, y, symbolX);

    c_.SelectChartFont(l_.Font());
    if (l_.fontSeriesColor_) {
        TChartSeries* s = nullptr;
        int point = -1;
        if (l_.internalStyle_ == lsSeries || l_.internalStyle_ == lsLastValues) {
            s = chart_.SeriesOfLegendRow(v, !l_.checkBoxes_);
        } else if (l_.internalStyle_ == lsValues) {
            s = l_.LegendSeries();
            point = v;
        }
        if (s) c_.Font().SetColor(point == -1 ? s->SeriesColor() : s->LegendRowColor(point));
    }

    // the row's texts
    const int at = !vertical && l_.inverted_ ? p + l_.totalItems_ - l_.lastValue_ - 1 : p;
    static const std::array<std::string, 2> none;
    const std::array<std::string, 2>& texts =
        at >= 0 && at < static_cast<int>(k_.texts.size()) ? k_.texts[at] : none;
    TLegendItem* stored = l_.items_.Custom() ? l_.items_.Find(v) : nullptr;
    int x = textX - 2;
    int textY = y;
    std::array<std::string, 2> written = texts;
    TAlignment align0 = TAlignment::taLeftJustify;
    int left0 = x, top0 = y;
    for (int col = 0; col < 2; ++col) {
        const bool right = l_.internalStyle_ != lsSeries && RightAligned(l_.textStyle_, col);
        TAlignment align = right ? TAlignment::taRightJustify : TAlignment::taLeftJustify;
        std::string text = texts[col];
        int colX = x;
        if (stored) {
            if (col == 1) text = stored->Text2();
            if (col == 0) {
                text = stored->Text();
                colX = stored->Left();
                textY = stored->Top();
                align = stored->Align();
            }
        }
        written[col] = text;
        const int colWidth = l_.ColumnWidths[col];
        if (col == 0) {
            align0 = align;
            left0 = colX;
            top0 = textY;
        }
        if (!text.empty()) {
            const bool alignRight = align == TAlignment::taRightJustify;
            c_.SetTextAlign(alignRight ? TA_RIGHT : TA_LEFT);
            WriteText(alignRight ? colX + colWidth : colX, checkBoxes ? textY + 1 : textY, text, c_.Font().Color());
        }
        x = colX + colWidth + l_.blankWidth_;
    }
    c_.SetTextAlign(TA_LEFT);
    if (!stored) l_.items_.GetItem(v).StoreRow(left0, top0, align0, written[0], written[1]);

    TRect symbolRect;
    if (stored) {
        symbolRect = stored->SymbolRect();
    } else {
        const bool last = p == l_.lastValue_ - l_.firstValue_;
        int top = y + 2;
        int bottom = y + h + 1 - (l_.vertSpacing_ + 3);
        if (l_.symbol_.Continuous()) {
            top = p == 0 ? y + 2 : y;
            if (!last) bottom = y + h + 1;
        }
        symbolRect = {symbolX, top, symbolX + l_.symbolWidth_, bottom};
        l_.items_.GetItem(v).StoreSymbolRect(symbolRect);
    }

    const int boxX = k_.checkX + columnOffset;
    const int boxY = y + (h - l_.vertSpacing_ - 11) / 2 - 1;
    const bool radio = l_.checkBoxesStyle_ == cbsRadio;
    switch (l_.internalStyle_) {
        case lsSeriesGroups:
            if (checkBoxes && v < chart_.SeriesGroups().Count())
                DrawCheckBox(boxX, boxY, c_, chart_.SeriesGroups().Items(v)->Active() != gaNo, l_.Color(), !radio);
            break;
        case lsValues: {
            TChartSeries* s = l_.LegendSeries();
            DrawRowSymbol(s, s ? s->LegendRowToPoint(v) : v, symbolRect);
            break;
        }
        default: {
            TChartSeries* s = chart_.SeriesOfLegendRow(v, !checkBoxes);
            if (checkBoxes && s) DrawCheckBox(boxX, boxY, c_, s->Active(), l_.Color(), !radio);
            if (s) DrawRowSymbol(s, -1, symbolRect);
            break;
        }
    }

    if (p > 0 && l_.dividingLines_.Visible() && (vertical || row == 0)) {
        const int g = l_.Pen().Visible() ? (k_.frame + 1) / 2 : 0;
        const TRect& r = l_.ShapeRect;
        c_.SelectPen(l_.dividingLines_);
        if (vertical)
            c_.HorizontalLine(r.Left + g, r.Right - g, y - l_.vertSpacing_ / 2);
        else
            c_.VerticalLine(r.Left + columnOffset + 2, r.Top + g, r.Bottom - g);
    }
}

void TLegendPainter::DrawRowSymbol(TChartSeries* series, int valueIndex, const TRect& rect) {
    TLegendSymbol& symbol = l_.symbol_;
    if (symbol.OnDraw) {
        symbol.OnDraw(&symbol, series, valueIndex, rect);
    } else if (l_.symbolWidth_ > 0) {
        if (series)
            series->DrawLegendSymbol(valueIndex, rect);
        else
            symbol.Draw(c_, clWhite, rect);
    }
}

void TLegendPainter::TakeRoom() {
    if (!chart_.FixedPlotRect() && l_.resizeChart_ && !l_.CustomPosition()) {
        const TRect& r = l_.ShapeRect;
        TRect plot = chart_.PlotRect();
        TChartShadow& shadow = chart_.Shadow();
        switch (l_.alignment_) {
            case laLeft: plot.Left = r.Right; break;
            case laRight: plot.Right = r.Left; break;
            case laTop: plot.Top = r.Bottom + (shadow.Visible() ? shadow.VertSize() : 0); break;
            case laBottom: plot.Bottom = r.Top; break;
        }
        int m;
        if (l_.IsVertical())
            m = l_.horizMargin_ != 0 ? l_.horizMargin_ : 3 * chart_.PlotWidth() / 100;
        else
            m = l_.vertMargin_ != 0 ? l_.vertMargin_ : 4 * chart_.PlotHeight() / 100;
        switch (l_.alignment_) {
            case laLeft: plot.Left += m; break;
            case laRight: plot.Right -= m; break;
            case laTop: plot.Top += m; break;
            case laBottom: plot.Bottom -= m; break;
        }
        chart_.SetPlotRect(plot);
    }
    chart_.FinishPlotRect();
}
