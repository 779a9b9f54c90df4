#include "chart/series/MarksCallout.h"

#include "chart/core/StoreIfChanged.h"
#include "ui/core/PublishedProperties.h"

TMarksCallout::TMarksCallout(TChartSeries* series) : TCallout(series) {
    Hide();
    Arrow().SetColor(clWhite);
}

void TMarksCallout::CopyFrom(const TSeriesPointer& source) {
    if (const auto* callout = dynamic_cast<const TMarksCallout*>(&source)) length_ = callout->length_;
    TCallout::CopyFrom(source);
}

void TMarksCallout::SetLength(int value) {
    if (StoreIfChanged(length_, value)) Changed();
}

void TMarksCallout::ApplyLength(TSeriesMarkPosition& position) const {
    const int lift = length_ + Distance();
    position.BoxTopLeft.Y -= lift;
    position.ArrowEnd.Y -= lift;
    position.ArrowStart.Y -= Distance();
}

const TClassInfo& TMarksCallout::StaticClass() {
    using M = TMarksCallout;
    static const TClassInfo info = TPublished<M>("TMarksCallout", TCallout::StaticClass())
                                       .Integer("Length", &M::Length, &M::SetLength)
                                       .Stored(&M::LengthStored)
                                       .Build();
    return info;
}
