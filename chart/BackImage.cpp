#include "chart/BackImage.h"

void TBackImage::Assign(const TPersistent* source) {
    if (auto* image = dynamic_cast<const TBackImage*>(source)) {
        inside_ = image->inside_;
        left_ = image->left_;
        mode_ = image->mode_;
        top_ = image->top_;
    }
    TPicture::Assign(source);
}

void TBackImage::SetInside(bool v) {
    if (inside_ == v) return;
    inside_ = v;
    Notify();
}

void TBackImage::SetLeft(int v) {
    if (left_ == v) return;
    left_ = v;
    Notify();
}

void TBackImage::SetTop(int v) {
    if (top_ == v) return;
    top_ = v;
    Notify();
}

void TBackImage::SetMode(TChartBackImageMode v) {
    if (mode_ == v) return;
    mode_ = v;
    Notify();
}
