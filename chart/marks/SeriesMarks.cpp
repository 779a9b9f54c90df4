#include "chart/marks/SeriesMarks.h"

#include "chart/core/StoreIfChanged.h"
#include "chart/series/ChartSeries.h"

// ---- gradient ----

TSeriesMarksGradient::TSeriesMarksGradient(TChangeEvent onChange) {
    // the defaults go in before anyone listens
    SetDirection(gdRightLeft);
    SetEndColor(clWhite);
    SetStartColor(clSilver);
    OnChange = std::move(onChange);
}

// ---- the marks ----

TSeriesMarks::TSeriesMarks(TChartSeries* series) : series_(series) {
    SetColor(clInfoBk);
    SetVisible(false);
    Shadow().SetDefaults(clGray, 3);
}

TSeriesMarks::~TSeriesMarks() = default;

std::unique_ptr<TChartGradient> TSeriesMarks::NewGradient(TChangeEvent onChange) {
    return std::make_unique<TSeriesMarksGradient>(std::move(onChange));
}

TPersistent* TSeriesMarks::GetOwner() const { return series_; }

TMarksCallout& TSeriesMarks::Callout() {
    if (!callout_) callout_ = std::make_unique<TMarksCallout>(series_);
    return *callout_;
}

void TSeriesMarks::SetCallout(const TMarksCallout* value) {
    if (!value)
        callout_.reset();
    else
        Callout().Assign(*value);
}

TSeriesMarksSymbol& TSeriesMarks::Symbol() {
    if (!symbol_) symbol_ = std::make_unique<TSeriesMarksSymbol>(ParentPanel());
    return *symbol_;
}

void TSeriesMarks::SetSymbol(const TSeriesMarksSymbol* value) {
    if (!value)
        symbol_.reset();
    else
        Symbol().Assign(*value);
}

void TSeriesMarks::SetParentPanel(TCustomChartPanel* panel) {
    TChartCustomShape::SetParentPanel(panel);
    if (callout_) callout_->SetParentPanel(panel);
    if (symbol_) symbol_->SetParentPanel(panel);
    for (int i = 0; i < items_.Count(); ++i)
        if (TMarksItem* item = items_.At(i)) item->SetParentPanel(panel);
}

void TSeriesMarks::SeriesChanged() {
    if (series_)
        series_->Repaint();
    else
        RepaintParent();
}

void TSeriesMarks::SetAngle(int value) {
    if (StoreIfChanged(angle_, value)) SeriesChanged();
}
void TSeriesMarks::SetClip(bool value) {
    if (StoreIfChanged(clip_, value)) SeriesChanged();
}
void TSeriesMarks::SetDrawEvery(int value) {
    if (StoreIfChanged(drawEvery_, value)) SeriesChanged();
}
void TSeriesMarks::SetMultiLine(bool value) {
    if (StoreIfChanged(multiLine_, value)) SeriesChanged();
}
void TSeriesMarks::SetStyle(TSeriesMarksStyle value) {
    if (StoreIfChanged(style_, value)) SeriesChanged();
}
void TSeriesMarks::SetTextAlign(TAlignment value) {
    if (StoreIfChanged(textAlign_, value)) RepaintParent();
}

void TSeriesMarks::Assign(const TPersistent* source) {
    if (const auto* marks = dynamic_cast<const TSeriesMarks*>(source))
        Assign(*marks);
    else
        TPersistent::Assign(source);
}

void TSeriesMarks::Assign(const TSeriesMarks& source) {
    if (&source == this) return;
    angle_ = source.angle_;
    SetCallout(source.callout_.get());
    clip_ = source.clip_;
    drawEvery_ = source.drawEvery_;
    style_ = source.style_;
    margins_.Assign(&source.margins_);
    multiLine_ = source.multiLine_;
    SetSymbol(source.symbol_.get());
    textAlign_ = source.textAlign_;
    items_.Clear();
    for (int i = 0; i < source.items_.Count(); ++i)
        if (const TMarksItem* item = source.items_.At(i)) items_.Get(i).Assign(item);
    TChartCustomShape::Assign(source);
}

TChartCustomShape& TSeriesMarks::ItemFor(int index) {
    if (index >= 0 && index < items_.Count()) return items_.Get(index);
    return *this;
}

void TSeriesMarks::ApplyStoredPosition(int index, TSeriesMarkPosition& position) {
    TSeriesMarkPosition& stored = positions_.Ensure(index);
    if (!stored.IsCustom) {
        stored = position;
        stored.IsCustom = false;
        return;
    }
    const TPoint start = position.ArrowStart;
    position = stored;
    if (stored.ArrowAtPoint) position.ArrowStart = start;
}

void TSeriesMarks::ClearMarkPositions() {
    positions_.Clear();
    if (!itemsLoaded_) items_.Clear();
}

void TSeriesMarks::PointDeleted(int index) {
    positions_.Delete(index);
    items_.Delete(index);
}

void TSeriesMarks::PointsDeleted(int first, int count) {
    positions_.DeleteRange(first, count);
    items_.DeleteRange(first, count);
}
