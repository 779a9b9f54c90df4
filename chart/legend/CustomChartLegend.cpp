// The legend's settings, which rows it lists and what they say, and the
// click on a row.

#include "chart/legend/CustomChartLegend.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/core/ChartConst.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/legend/ChartLegendGradient.h"
#include "chart/legend/detail/LegendPainter.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/SeriesGroups.h"
#include "chart/text/TextRoutines.h"

#include "ui/core/Rounding.h"

#include <algorithm>
#include <cstdlib>

TCustomChartLegend::TCustomChartLegend(TCustomChart* chart)
    : TChartCustomShapePosition(chart), chart_(chart), dividingLines_([this] { Changed(); }), title_(chart) {
    const TChartLegendGradient defaults;
    SetGradient(&defaults);
}

TCustomChartLegend::~TCustomChartLegend() = default;

void TCustomChartLegend::Assign(const TPersistent* source) {
    if (const auto* legend = dynamic_cast<const TCustomChartLegend*>(source))
        Assign(*legend);
    else
        TChartCustomShapePosition::Assign(source);
}

void TCustomChartLegend::Assign(const TCustomChartLegend& s) {
    alignment_ = s.alignment_;
    checkBoxes_ = s.checkBoxes_;
    checkBoxesStyle_ = s.checkBoxesStyle_;
    currentPage_ = s.currentPage_;
    dividingLines_.Assign(&s.dividingLines_);
    firstValue_ = s.firstValue_;
    fontSeriesColor_ = s.fontSeriesColor_;
    horizMargin_ = s.horizMargin_;
    inverted_ = s.inverted_;
    leftPercent_ = s.leftPercent_;
    legendStyle_ = s.legendStyle_;
    maxNumRows_ = s.maxNumRows_;
    positionUnits_ = s.positionUnits_;
    resizeChart_ = s.resizeChart_;
    symbol_.Assign(s.symbol_);
    textStyle_ = s.textStyle_;
    title_.Assign(s.title_);
    topPos_ = s.topPos_;
    topPercent_ = s.topPercent_;
    vertMargin_ = s.vertMargin_;
    vertSpacing_ = s.vertSpacing_;
    TChartCustomShapePosition::Assign(s);
}

void TCustomChartLegend::ChangeBool(bool& field, bool value) {
    if (StoreIfChanged(field, value)) Changed();
}

void TCustomChartLegend::ChangeInt(int& field, int value) {
    if (StoreIfChanged(field, value)) Changed();
}

void TCustomChartLegend::SetAlignment(TLegendAlignment v) {
    if (StoreIfChanged(alignment_, v)) Changed();
}
void TCustomChartLegend::SetCheckBoxes(bool v) { ChangeBool(checkBoxes_, v); }
void TCustomChartLegend::SetCurrentPage(bool v) { ChangeBool(currentPage_, v); }
void TCustomChartLegend::SetFontSeriesColor(bool v) { ChangeBool(fontSeriesColor_, v); }
void TCustomChartLegend::SetHorizMargin(int v) { ChangeInt(horizMargin_, v); }
void TCustomChartLegend::SetInverted(bool v) { ChangeBool(inverted_, v); }
void TCustomChartLegend::SetLeftPercent(int v) { ChangeInt(leftPercent_, v); }
void TCustomChartLegend::SetMaxNumRows(int v) { ChangeInt(maxNumRows_, v); }
void TCustomChartLegend::SetResizeChart(bool v) { ChangeBool(resizeChart_, v); }
void TCustomChartLegend::SetTopPos(int v) { ChangeInt(topPos_, v); }
void TCustomChartLegend::SetTopPercent(int v) { ChangeInt(topPercent_, v); }
void TCustomChartLegend::SetVertMargin(int v) { ChangeInt(vertMargin_, v); }
void TCustomChartLegend::SetVertSpacing(int v) { ChangeInt(vertSpacing_, v); }

void TCustomChartLegend::SetPositionUnits(TChartUnits v) {
    if (StoreIfChanged(positionUnits_, v)) Changed();
}

void TCustomChartLegend::SetTextStyle(TLegendTextStyle v) {
    if (StoreIfChanged(textStyle_, v)) Changed();
}

void TCustomChartLegend::SetLegendStyle(TLegendStyle v) {
    if (!StoreIfChanged(legendStyle_, v)) return;
    ResolveStyle();
    Changed();
}

void TCustomChartLegend::SetSeries(TChartSeries* series) {
    if (StoreIfChanged(series_, series)) Changed();
}

void TCustomChartLegend::SetFirstValue(int v) {
    if (v < 0) throw LegendException(ChartConst::LegendFirstValue);
    ChangeInt(firstValue_, v);
}

void TCustomChartLegend::SetCheckBoxesStyle(TCheckBoxesStyle v) {
    if (!StoreIfChanged(checkBoxesStyle_, v)) return;
    if (v == cbsRadio && chart_) {
        bool first = true;
        for (int i = 0; i < chart_->SeriesCount(); ++i) {
            TChartSeries* s = chart_->SeriesAt(i);
            if (!s->Active() || !s->ShowInLegend()) continue;
            if (!first) s->SetActive(false);
            first = false;
        }
    }
    Changed();
}

void TCustomChartLegend::ResolveStyle() {
    internalStyle_ = legendStyle_;
    if (internalStyle_ == lsAuto)
        internalStyle_ = checkBoxes_ || (chart_ && chart_->ActiveSeriesCount() > 1) ? lsSeries : lsValues;
}

bool TCustomChartLegend::HasCheckBoxes() const { return checkBoxes_ && internalStyle_ != lsValues; }

bool TCustomChartLegend::ShouldDraw() const {
    return Visible() && (HasCheckBoxes() || (chart_ && chart_->ActiveSeriesCount() > 0));
}

TChartSeries* TCustomChartLegend::LegendSeries() const {
    if (series_) return series_;
    if (!chart_) return nullptr;
    TChartSeries* firstActive = nullptr;
    for (int i = 0; i < chart_->SeriesCount(); ++i) {
        TChartSeries* s = chart_->SeriesAt(i);
        if (!s->Active()) continue;
        if (!firstActive) firstActive = s;
        if (s->ShowInLegend()) return s;
    }
    return firstActive;
}

int TCustomChartLegend::RowHeight() {
    TCanvas3D* c = chart_ ? chart_->Canvas() : nullptr;
    if (!c) return 0;
    c->SelectChartFont(Font());
    int h = c->FontLineHeight();
    if (HasCheckBoxes()) h = std::max(h, 17);
    h += vertSpacing_;
    if (IsVertical() && dividingLines_.Visible()) h += dividingLines_.Width();
    return h;
}

int TCustomChartLegend::TitleBottom() {
    int y = ShapeRect.Top;
    if (drawTitle_) {
        y += titleHeight_ + 2;
        if (!title_.Transparent() && title_.HasShadow() && title_.Shadow().Visible())
            y += std::abs(title_.Shadow().VertSize());
    }
    return y;
}

int TCustomChartLegend::ItemCount() const {
    if (!chart_) return 0;
    int n = 0;
    switch (internalStyle_) {
        case lsSeriesGroups: return chart_->SeriesGroups().Count();
        case lsValues: {
            TChartSeries* s = LegendSeries();
            n = s && s->ShowInLegend() ? s->LegendItemCount() - firstValue_ : 0;
            break;
        }
        default:
            for (int i = 0; i < chart_->SeriesCount(); ++i) {
                TChartSeries* s = chart_->SeriesAt(i);
                if (s->ShowInLegend() && (checkBoxes_ || s->Active())) ++n;
            }
            n -= firstValue_;
            break;
    }
    return std::max(n, 0);
}

std::string TCustomChartLegend::ItemText(int index) const {
    if (!chart_) return std::string();
    switch (internalStyle_) {
        case lsValues: return chart_->LegendValueText(LegendSeries(), index);
        case lsLastValues: {
            TChartSeries* s = chart_->SeriesOfLegendRow(index, !checkBoxes_);
            return s ? chart_->LegendValueText(s, s->LegendItemCount() - 1) : std::string();
        }
        case lsSeriesGroups:
            return index >= 0 && index < chart_->SeriesGroups().Count() ? chart_->SeriesGroups().Items(index)->Name()
                                                                        : std::string();
        default: return chart_->LegendSeriesTitle(index, !checkBoxes_);
    }
}

int TCustomChartLegend::HitAt(int x, int y) {
    int right = ShapeRect.Right;
    if (OnSizeAdjust) {
        int w = 0;
        OnSizeAdjust(this, w);
        right -= w;
    }
    if (x < ShapeRect.Left || x > right || y < ShapeRect.Top || y > ShapeRect.Bottom) return -1;
    const int h = RowHeight();
    if (h <= 0) return -1;
    const int top = TitleBottom();
    int row = -1;
    for (int r = 0; r < rows_; ++r) {
        const int from = top + r * h + 1;
        if (y >= from && y <= from + h) {
            row = inverted_ ? rows_ - r - 1 : r;
            break;
        }
    }
    if (IsVertical()) return row == -1 ? -1 : row + firstValue_;
    if (columns_ == 0) return -1;
    const int cw = (ShapeRect.Right - ShapeRect.Left) / columns_;
    const int shown = lastValue_ - firstValue_ + 1;
    int result = -1;
    for (int c = 0; c < columns_; ++c) {
        const int from = ShapeRect.Left + c * cw + 1;
        if (x < from || x > from + cw || row == -1) continue;
        int index;
        if (inverted_) {
            index = row * columns_ + columns_ - c - 1;
            if (shown % columns_ > 0) index += shown % columns_ - columns_;
        } else {
            index = row * columns_ + c;
        }
        result = index > totalItems_ - 1 ? -1 : index + firstValue_;
    }
    return result;
}

bool TCustomChartLegend::ClickCheckBox(int index) {
    if (!HasCheckBoxes() || index == -1 || !chart_) return false;
    if (internalStyle_ == lsSeriesGroups) {
        TSeriesGroups& groups = chart_->SeriesGroups();
        if (index >= groups.Count()) return true;
        if (checkBoxesStyle_ == cbsRadio) {
            for (int i = 0; i < groups.Count(); ++i) groups.Items(i)->SetActive(i == index ? gaYes : gaNo);
        } else {
            TSeriesGroup* g = groups.Items(index);
            g->SetActive(g->Active() == gaNo ? gaYes : gaNo);
        }
        return true;
    }
    if (checkBoxesStyle_ == cbsRadio) {
        for (int i = 0;; ++i) {
            TChartSeries* s = chart_->SeriesOfLegendRow(i, false);
            if (!s) break;
            s->SetActive(i == index);
        }
    } else if (TChartSeries* s = chart_->SeriesOfLegendRow(index, false)) {
        s->SetActive(!s->Active());
    }
    return true;
}

void TCustomChartLegend::Draw() {
    if (!chart_ || !chart_->Canvas()) return;
    TLegendPainter(*this, *chart_, *chart_->Canvas()).Draw();
}
