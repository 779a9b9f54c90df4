#include "chart/SeriesMarks.h"

void TSeriesMarks::SetStyle(TSeriesMarksStyle value) {
    if (style_ == value) return;
    style_ = value;
    Changed();
}

void TSeriesMarks::SetMultiLine(bool value) {
    if (multiLine_ == value) return;
    multiLine_ = value;
    Changed();
}

void TSeriesMarks::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    Changed();
}

void TSeriesMarks::Assign(const TSeriesMarks& source) {
    style_ = source.style_;
    multiLine_ = source.multiLine_;
    visible_ = source.visible_;
    Changed();
}
