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
