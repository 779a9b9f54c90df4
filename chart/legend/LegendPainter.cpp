// The legend's layout and drawing: how many rows and columns fit, where the
// box goes, its title, rows, symbols, check boxes and dividing lines, and the
// room it takes from the plot.

#include "chart/legend/detail/LegendPainter.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/canvas/ChartCanvas3D.h"
#include "chart/geometry/ChartGeometry.h"
#include "chart/legend/CustomChartLegend.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/SeriesGroups.h"
#include "chart/text/HtmlText.h"

#include "platform/gdi/FrameDrawing.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The legend's fixed pixel measures.
constexpr int CheckBoxSize = 13;           // the system's check box, square
constexpr int CheckBoxCentringHeight = 11; // the height a check box is centred by in its row
constexpr int CheckBoxColumn = 15;         // the room a check box takes before a row
constexpr int CheckBoxInset = 4;           // from the check box column's left to the box
constexpr int CheckBoxFitAllowance = 27;   // the extra a checked row counts when columns are fitted
constexpr int SymbolInset = 6;             // from the row's left to its symbol, and from a text to a right symbol
constexpr int SymbolTextGap = 12;          // from the row's left past the symbol to its text
constexpr int TextInsetWithoutSymbol = 8;  // from the row's left to its text when no symbol shows
constexpr int ColumnGap = 8;               // between the columns of a horizontal legend
constexpr int TitleInset = 2;              // from the box's edges to the title's
constexpr int TitleGap = 4;                // below the title, above the rows
// The rows' margin above and below, as a part of the row height.
constexpr double RowMarginRatio = 0.1;
// The room left between the box and the plot, in per cent of the plot's width or height.
constexpr int SideLegendMarginPercent = 3;
constexpr int TopBottomLegendMarginPercent = 4;

// The box casts a shadow.
bool ShapeShadowShows(TChartCustomShape& shape) { return shape.HasShadow() && shape.Shadow().Visible(); }

// A column of value rows written against its right edge.
bool RightAligned(TLegendTextStyle style, int column) {
    if (column == 0)
        return style == ltsLeftValue || style == ltsLeftPercent || style == ltsXValue || style == ltsValue ||
               style == ltsPercent || style == ltsXAndValue || style == ltsXAndPercent;
    return style == ltsRightValue || style == ltsRightPercent || style == ltsXAndValue || style == ltsXAndPercent;
}

// A check box or radio button of the system at (x, y).
void DrawCheckBox(int x, int y, TCanvas3D& canvas, bool checked, bool isCheckBox) {
    auto* gdi = dynamic_cast<TChartCanvas3D*>(&canvas);
    if (!gdi || !gdi->Handle()) return;
    platform::RECT r{x, y, x + CheckBoxSize, y + CheckBoxSize};
    platform::UINT state = isCheckBox ? platform::DFCS_BUTTONCHECK : platform::DFCS_BUTTONRADIO;
    if (checked) state |= platform::DFCS_CHECKED;
    platform::DrawFrameControl(gdi->Handle(), &r, platform::DFC_BUTTON, state);
}

}  // namespace

int TLegendPainter::FrameWidth() {
    if (l_.Bevel() != TPanelBevel::bvNone) return l_.BevelWidth();
    return l_.Pen().Visible() ? l_.Pen().Width() : 0;
}

void TLegendPainter::CollectTexts(LegendLayout& k) {
    k.texts.assign(std::max(0, l_.lastValue_ - l_.firstValue_ + 1), {});
    for (int r = l_.firstValue_; r <= l_.lastValue_; ++r) {
        const std::string text = chart_.GetLegendText(&l_, r);
        std::array<std::string, 2>& row = k.texts[l_.inverted_ ? l_.lastValue_ - r : r - l_.firstValue_];
        const std::size_t first = text.find(LegendColumnSeparator);
        row[0] = text.substr(0, first);
        if (first != std::string::npos) {
            const std::size_t second = text.find(LegendColumnSeparator, first + 1);
            row[1] = text.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
        }
    }
}

void TLegendPainter::MeasureColumns(LegendLayout& k) {
    if (l_.AutomaticColumnWidths) {
        for (int col = 0; col < 2; ++col) {
            int widest = 0;
            for (int r = l_.firstValue_; r <= l_.lastValue_; ++r) {
                const TLegendItem* item = l_.items_.Custom() ? l_.items_.Find(r) : nullptr;
                const std::size_t at = l_.inverted_ ? l_.lastValue_ - r : r - l_.firstValue_;
                const std::string& text =
                    item ? (col == 0 ? item->Text() : item->Text2()) : k.texts[at][col];
                widest = std::max(widest, TextExtent(text));
            }
            l_.ColumnWidths[col] = widest;
        }
    }
    k.textsWidth = 0;
    for (int w : l_.ColumnWidths)
        if (w > 0) k.textsWidth += w + l_.blankWidth_ - 1;
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

void TLegendPainter::PlaceSymbolAndText(LegendLayout& k, int x) {
    TLegendSymbol& s = l_.symbol_;
    const bool shadow = s.Shadow().Visible();
    if (s.Visible() && s.Position() == spLeft) {
        k.symbolX = x + SymbolInset;
        k.textX = x + l_.symbolWidth_ + SymbolTextGap;
        if (shadow) {
            k.textX += std::abs(s.Shadow().HorizSize());
            if (s.Shadow().HorizSize() < 0) k.symbolX += std::abs(s.Shadow().HorizSize());
        }
    } else {
        k.textX = x + (s.Visible() ? SymbolInset : TextInsetWithoutSymbol);
        k.symbolX = k.textX + k.textsWidth;
    }
}

void TLegendPainter::Draw() {
    c_.BeginGroup("Legend");
    const TRect render = chart_.RenderRect();
    const bool custom = l_.CustomPosition();
    const LegendLayout layout = Measure(render);
    if (l_.lastValue_ >= l_.firstValue_) Paint(layout);
    TRect& r = l_.ShapeRect;
    if (custom) r = {r.Left - render.Left, r.Top - render.Top, r.Right - render.Left, r.Bottom - render.Top};
    c_.EndGroup();
}

LegendLayout TLegendPainter::Measure(const TRect& render) {
    LegendLayout k;
    l_.ResolveStyle();
    k.frame = FrameWidth();
    TRect& r = l_.ShapeRect;
    const bool custom = l_.CustomPosition();
    if (custom) {
        if (l_.positionUnits_ == muPercent) {
            const int w = r.Width(), h = r.Height();
            r.Left = RoundToInt(l_.leftPercent_ * chart_.Width() * 0.01);
            r.Top = RoundToInt(l_.topPercent_ * chart_.Height() * 0.01);
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
    k.rowHeight = l_.RowHeight();

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
    CountRowsAndColumns(k, render, plot);
    if (l_.lastValue_ >= l_.firstValue_) PlaceBox(k, render, plot);
    return k;
}

// How many rows and columns fit, and the box's edges across the rows.
void TLegendPainter::CountRowsAndColumns(LegendLayout& k, const TRect& render, const TRect& plot) {
    const int F = k.frame;
    const int h = k.rowHeight;
    TRect& r = l_.ShapeRect;
    const bool custom = l_.CustomPosition();
    const bool checkBoxes = l_.HasCheckBoxes();
    if (l_.IsVertical()) {
        if (!custom) {
            TChartShadow& shadow = chart_.Shadow();
            const int a = shadow.Visible() && shadow.VertSize() < 0 ? 2 * std::abs(shadow.VertSize()) : 0;
            const int height = r.Height();
            r.Top = RoundToInt(l_.topPos_ * (render.Height() - a) * 0.01) + a + render.Top;
            r.Bottom = r.Top + height;
        }
        l_.columns_ = 1;
        const int tb = l_.TitleBottom();
        l_.rows_ = tb >= plot.Bottom || h <= 0
                       ? 0
                       : std::min((chart_.PlotHeight() + plot.Top - 2 * F - tb) / h, l_.totalItems_);
        l_.lastValue_ = l_.firstValue_ + std::min(l_.totalItems_, l_.rows_) - 1;
        CollectTexts(k);
    } else {
        l_.lastValue_ = l_.firstValue_ + l_.totalItems_ - 1;
        CollectTexts(k);
        MeasureColumns(k);
        l_.symbolWidth_ = l_.symbol_.CalcWidth(k.textsWidth);
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
        const int w = l_.symbolWidth_ + k.textsWidth + ColumnGap + (checkBoxes ? CheckBoxFitAllowance : 0);
        l_.columns_ =
            plot.Right <= ColumnGap || w <= 0 ? 0 : std::min((chart_.PlotWidth() - 2 * F - ColumnGap) / w, l_.totalItems_);
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
}

// The box's size and place, and where the check boxes, symbols and texts start.
void TLegendPainter::PlaceBox(LegendLayout& k, const TRect& render, const TRect& plot) {
    const int F = k.frame;
    const int h = k.rowHeight;
    TRect& r = l_.ShapeRect;
    const bool custom = l_.CustomPosition();
    const bool checkBoxes = l_.HasCheckBoxes();
    TLegendTitle& title = l_.title_;
    k.margin = RoundToInt(h * RowMarginRatio);
    int height = h * l_.rows_ + 2 + 2 * k.margin;
    if (l_.drawTitle_) {
        height += l_.titleHeight_ + TitleGap;
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
        MeasureColumns(k);
        int W = k.textsWidth + 12;
        l_.symbolWidth_ = l_.internalStyle_ == lsSeriesGroups ? 0 : symbol.CalcWidth(k.textsWidth + 12);
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
            r.Left = r.Right - W - (checkBoxes ? CheckBoxColumn : 0);
        }
        int x = r.Left;
        if (checkBoxes) {
            k.checkX = x + CheckBoxInset;
            x += CheckBoxColumn;
        }
        r.Right = x + W;
        PlaceSymbolAndText(k, x);
    } else {
        int W = l_.columns_ * (k.textsWidth + l_.symbolWidth_ + SymbolInset) + SymbolInset + 2 * l_.columns_;
        if (checkBoxes) W += l_.columns_ * CheckBoxColumn + CheckBoxInset;
        if (l_.drawTitle_) W = std::max(W, TitleWidth());
        const int d = std::min(chart_.PlotWidth(), W) / 2;
        if (!custom) r.Left = RoundToInt(l_.topPos_ * (render.Width() - 2 * d) * 0.01) + chart_.PlotCenterX() - d;
        r.Right = r.Left + 2 * d;
        int x = r.Left;
        if (checkBoxes) {
            k.checkX = r.Left + CheckBoxInset;
            x = r.Left + CheckBoxColumn;
        }
        PlaceSymbolAndText(k, x);
    }

    if (chart_.OnGetLegendRect) {
        // the rows go where the handler moves the box (their tops follow its top)
        const int left = r.Left;
        chart_.OnGetLegendRect(&chart_, r);
        k.checkX += r.Left - left;
        k.symbolX += r.Left - left;
        k.textX += r.Left - left;
    }
    if (l_.drawTitle_) {
        k.titleRect = {r.Left + TitleInset, r.Top + TitleInset, r.Right - TitleInset, r.Top + TitleInset + l_.titleHeight_};
        if (!title.Transparent() && ShapeShadowShows(title)) {
            const int hs = title.Shadow().HorizSize(), vs = title.Shadow().VertSize();
            if (hs < 1)
                k.titleRect.Left += std::abs(hs);
            else
                k.titleRect.Right -= std::abs(hs);
            if (vs < 0) k.titleRect.Top += std::abs(vs);
        }
    }
}

void TLegendPainter::Paint(const LegendLayout& k) {
    l_.DrawShape();
    if (l_.drawTitle_) DrawTitle(k.titleRect);
    if (!l_.items_.Custom()) l_.items_.Clear();
    if (l_.inverted_) {
        for (int v = l_.lastValue_; v >= l_.firstValue_; --v) DrawRow(k, v, l_.lastValue_ - v);
    } else {
        for (int v = l_.firstValue_; v <= l_.lastValue_; ++v) DrawRow(k, v, v - l_.firstValue_);
    }
    TakeRoom();
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

void TLegendPainter::DrawRow(const LegendLayout& k, int v, int p) {
    if (p >= l_.totalItems_) return;
    const int h = k.rowHeight;
    const bool checkBoxes = l_.HasCheckBoxes();
    c_.Brush().SetColor(l_.Color());
    c_.Brush().SetStyle(TBrushStyle::bsClear);
    c_.AssignBackMode(TRANSPARENT_MODE);
    chart_.LegendSymbolPen = l_.symbol_.DefaultPen() ? nullptr : &l_.symbol_.Pen();

    const bool vertical = l_.IsVertical();
    const int row = vertical ? p : p / l_.columns_;
    const int columnOffset =
        vertical ? 0
                 : (k.textsWidth + l_.symbolWidth_ + ColumnGap + (checkBoxes ? CheckBoxColumn : 0)) * (p % l_.columns_);
    int symbolX = k.symbolX + columnOffset;
    int textX = k.textX + columnOffset;
    int y = l_.TitleBottom() + k.margin + 1 + h * row + l_.vertSpacing_ / 2;
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
        at >= 0 && at < static_cast<int>(k.texts.size()) ? k.texts[at] : none;
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

    const int boxX = k.checkX + columnOffset;
    const int boxY = y + (h - l_.vertSpacing_ - CheckBoxCentringHeight) / 2 - 1;
    const bool radio = l_.checkBoxesStyle_ == cbsRadio;
    switch (l_.internalStyle_) {
        case lsSeriesGroups:
            if (checkBoxes && v < chart_.SeriesGroups().Count())
                DrawCheckBox(boxX, boxY, c_, chart_.SeriesGroups().Items(v)->Active() != gaNo, !radio);
            break;
        case lsValues: {
            TChartSeries* s = l_.LegendSeries();
            DrawRowSymbol(s, s ? s->LegendRowToPoint(v) : v, symbolRect);
            break;
        }
        default: {
            TChartSeries* s = chart_.SeriesOfLegendRow(v, !checkBoxes);
            if (checkBoxes && s) DrawCheckBox(boxX, boxY, c_, s->Active(), !radio);
            if (s) DrawRowSymbol(s, -1, symbolRect);
            break;
        }
    }

    if (p > 0 && l_.dividingLines_.Visible() && (vertical || row == 0)) {
        const int g = l_.Pen().Visible() ? (k.frame + 1) / 2 : 0;
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
            m = l_.horizMargin_ != 0 ? l_.horizMargin_ : SideLegendMarginPercent * chart_.PlotWidth() / 100;
        else
            m = l_.vertMargin_ != 0 ? l_.vertMargin_ : TopBottomLegendMarginPercent * chart_.PlotHeight() / 100;
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
