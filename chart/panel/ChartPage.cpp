#include "chart/panel/ChartPage.h"

#include "chart/core/ChartConst.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "ui/core/PublishedProperties.h"

#include <algorithm>

const TClassInfo& TChartPage::StaticClass() {
    using P = TChartPage;
    static const TClassInfo info = TPublished<P>("TChartPage", TPersistent::StaticClass())
        .Boolean("AutoScale", &P::AutoScale, &P::SetAutoScale, false)
        .Integer("Current", &P::Current, &P::SetCurrent, 1)
        .Integer("MaxPointsPerPage", &P::MaxPointsPerPage, &P::SetMaxPointsPerPage, 0)
        .Boolean("ScaleLastPage", &P::ScaleLastPage, &P::SetScaleLastPage, true)
        .Build();
    return info;
}

void TChartPage::Assign(const TPersistent* source) {
    if (const auto* page = dynamic_cast<const TChartPage*>(source))
        Assign(*page);
    else
        TPersistent::Assign(source);
}

void TChartPage::Assign(const TChartPage& source) {
    autoScale_ = source.autoScale_;
    current_ = source.current_;
    maxPointsPerPage_ = source.maxPointsPerPage_;
    scaleLastPage_ = source.scaleLastPage_;
}

void TChartPage::SetAutoScale(bool value) {
    if (autoScale_ == value) return;
    autoScale_ = value;
    chart_->Invalidate();
}

void TChartPage::SetScaleLastPage(bool value) {
    if (scaleLastPage_ == value) return;
    scaleLastPage_ = value;
    chart_->Invalidate();
}

int TChartPage::Count() const {
    if (maxPointsPerPage_ <= 0 || chart_->SeriesCount() == 0) return 1;
    TChartSeries* first = chart_->SeriesAt(0);
    TChartAxis* axes[2] = {chart_->BottomAxis(), chart_->TopAxis()};
    if (!first->YMandatory()) {
        axes[0] = chart_->RightAxis();
        axes[1] = chart_->LeftAxis();
    }
    int pages = 1;
    for (TChartAxis* axis : axes) {
        int n = 0;
        for (int i = 0; i < chart_->SeriesCount(); ++i) {
            TChartSeries* s = chart_->SeriesAt(i);
            if (s->Active() && s->IsBoundToAxis(axis)) n = std::max(n, s->Count());
        }
        if (n > 0) pages = std::max(pages, n / maxPointsPerPage_ + (n % maxPointsPerPage_ ? 1 : 0));
    }
    return pages;
}

void TChartPage::SetCurrent(int value) {
    value = std::max(1, std::min(value, Count()));
    if (value == current_) return;
    current_ = value;
    chart_->Invalidate();
    chart_->AnnounceEventClass<TChartChangePage>();
    FireEvent(chart_->OnPageChange, this);
}

void TChartPage::SetMaxPointsPerPage(int value) {
    if (value < 0) throw ChartException(ChartConst::MaxPointsPerPageNegative);
    maxPointsPerPage_ = value;
    chart_->Invalidate();
    if (Count() < current_) SetCurrent(Count());
    chart_->AnnounceEventClass<TChartChangePage>();
}
