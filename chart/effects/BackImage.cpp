#include "chart/effects/BackImage.h"

#include "ui/core/PublishedProperties.h"

const TEnumInfo& BackImageModeInfo() {
    static const TEnumInfo info("TChartBackImageMode", {"pbmStretch", "pbmTile", "pbmCenter", "pbmCustom"});
    return info;
}

const TClassInfo& TBackImage::StaticClass() {
    using B = TBackImage;
    static const TClassInfo info = TPublished<B>("TBackImage", TChartPicture::StaticClass())
        .Boolean("Inside", &B::Inside, &B::SetInside, false)
        .Integer("Left", &B::Left, &B::SetLeft, 0)
        .Enumeration("Mode", BackImageModeInfo(), &B::Mode, &B::SetMode, pbmStretch)
        .Integer("Top", &B::Top, &B::SetTop, 0)
        .Build();
    return info;
}

void TBackImage::Assign(const TPersistent* source) {
    if (auto* image = dynamic_cast<const TBackImage*>(source)) {
        inside_ = image->inside_;
        left_ = image->left_;
        mode_ = image->mode_;
        top_ = image->top_;
    }
    TChartPicture::Assign(source);
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
