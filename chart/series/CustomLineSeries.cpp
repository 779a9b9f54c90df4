#include "chart/series/CustomLineSeries.h"

void TCustomLineSeries::SetTreatNulls(TTreatNullsStyle value) {
    if (treatNulls_ == value) return;
    treatNulls_ = value;
    Repaint();
}

const TEnumInfo& TreatNullsStyleInfo() {
    static const TEnumInfo info("TTreatNullsStyle", {"tnDontPaint", "tnSkip", "tnIgnore"});
    return info;
}
