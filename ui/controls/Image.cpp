#include "ui/controls/Image.h"

#include "ui/core/Exceptions.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Graphic.h"
#include "ui/graphics/ImagePixels.h"

#include <algorithm>

const TClassInfo& TImage::StaticClass() {
    static const TClassInfo info = TPublished<TImage>("TImage", TGraphicControl::StaticClass())
                                       .Object("Picture", &TPicture::StaticClass, [](TImage& i) { return &i.picture_; },
                                               nullptr)
                                       .Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch, false)
                                       .Boolean("Proportional", &TImage::Proportional, &TImage::SetProportional, false)
                                       .Boolean("Center", &TImage::Center, &TImage::SetCenter, false)
                                       .Boolean("Transparent", &TImage::Transparent, &TImage::SetTransparent, false)
                                       .Boolean("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false)
                                       .Build();
    return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(Left(), Top(), 105, 105);
    picture_.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::SetStretch(bool value) {
    stretch_ = value;
    Invalidate();
}

void TImage::SetProportional(bool value) {
    proportional_ = value;
    Invalidate();
}

void TImage::SetCenter(bool value) {
    center_ = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    transparent_ = value;
    PictureChanged();
}

void TImage::SetAutoSize(bool value) {
    autoSize_ = value;
    PictureChanged();
}

void TImage::PictureChanged() {
    if (TGraphic* g = picture_.Graphic()) {
        if (g->Transparent() != transparent_) g->SetTransparent(transparent_);
        if (autoSize_ && g->Width() > 0 && g->Height() > 0) SetBounds(Left(), Top(), g->Width(), g->Height());
    }
    Invalidate();
}

TCanvas* TImage::Canvas() {
    if (!picture_.Graphic()) {
        TBitmap blank(Width(), Height());
        picture_.SetGraphic(&blank);
    }
    auto* bitmap = dynamic_cast<TBitmap*>(picture_.Graphic());
    if (!bitmap) throw EInvalidOperation("Can only modify an image if it contains a bitmap");
    return bitmap->Canvas();
}

TRect TImage::DestRect() const {
    int w = picture_.Width(), h = picture_.Height();
    int cw = ClientWidth(), ch = ClientHeight();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            // The largest size of the picture's shape that fits.
            if (static_cast<long long>(cw) * h <= static_cast<long long>(ch) * w) {
                h = static_cast<int>(static_cast<long long>(h) * cw / w);
                w = cw;
            } else {
                w = static_cast<int>(static_cast<long long>(w) * ch / h);
                h = ch;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    int x = center_ ? (cw - w) / 2 : 0, y = center_ ? (ch - h) / 2 : 0;
    return Bounds(x, y, w, h);
}

void TImage::Paint() {
    TGraphic* g = picture_.Graphic();
    if (!g || g->Empty()) return;
    TCanvas& canvas = *TGraphicControl::Canvas();
    // A 32-bit bitmap with alpha is blended by it.
    auto* bitmap = dynamic_cast<TBitmap*>(g);
    if (bitmap && bitmap->PixelFormat() == TPixelFormat::pf32bit) {
        TPixels pixels = ReadPixels(*bitmap, {0, 0, bitmap->Width(), bitmap->Height()});
        if (HasTransparency(pixels)) {
            std::transform(pixels.begin(), pixels.end(), pixels.begin(), PremultiplyPixel);
            BlendPixels(canvas, DestRect(), bitmap->Width(), bitmap->Height(), pixels);
            return;
        }
    }
    canvas.StretchDraw(DestRect(), g);
}
