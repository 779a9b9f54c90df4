#include "ui/controls/ProgressBar.h"

#include "ui/controls/ControlFrames.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TProgressBar::StaticClass() {
    static const TClassInfo info = TPublished<TProgressBar>("TProgressBar", TCustomControl::StaticClass())
                                       .Integer("Min", &TProgressBar::Min, &TProgressBar::SetMin, 0)
                                       .Integer("Max", &TProgressBar::Max, &TProgressBar::SetMax, 100)
                                       .Integer("Position", &TProgressBar::Position, &TProgressBar::SetPosition, 0)
                                       .Boolean("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth, false)
                                       .Build();
    return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TCustomControl(owner) {
    SetBounds(Left(), Top(), 150, 16);
    SetColor(clBtnFace);
    ControlStyle.Exclude(TControlStyleItem::csSetCaption);
}

void TProgressBar::SetMin(int value) {
    range_.SetMin(value);
    Invalidate();
}

void TProgressBar::SetMax(int value) {
    range_.SetMax(value);
    Invalidate();
}

void TProgressBar::SetPosition(int value) {
    if (range_.SetPosition(value)) Invalidate();
}

void TProgressBar::SetSmooth(bool value) {
    smooth_ = value;
    Invalidate();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
    orientation_ = value;
    Invalidate();
}

TRect TProgressBar::FilledRect() const {
    TRect inside{2, 2, Width() - 2, Height() - 2};
    double f = range_.Fraction();
    if (orientation_ == TProgressBarOrientation::pbHorizontal)
        return {inside.Left, inside.Top, inside.Left + static_cast<int>(inside.Width() * f), inside.Bottom};
    return {inside.Left, inside.Bottom - static_cast<int>(inside.Height() * f), inside.Right, inside.Bottom};
}

void TProgressBar::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    DrawSunkenFrame(c, r);
    TRect filled = FilledRect();
    c.Brush()->SetColor(clHighlight);
    if (smooth_) {
        c.FillRect(filled);
        return;
    }
    // Blocks two thirds of the bar's thickness long, two pixels apart.
    bool across = orientation_ == TProgressBarOrientation::pbHorizontal;
    int block = std::max(2, (across ? filled.Height() : filled.Width()) * 2 / 3);
    if (across) {
        for (int x = filled.Left; x < filled.Right; x += block + 2)
            c.FillRect({x, filled.Top, std::min(x + block, filled.Right), filled.Bottom});
    } else {
        for (int y = filled.Bottom; y > filled.Top; y -= block + 2)
            c.FillRect({filled.Left, std::max(y - block, filled.Top), filled.Right, y});
    }
}
