#include "ui/graphics/ImageList.h"

#include "ui/core/PublishedProperties.h"

#include <algorithm>

const TClassInfo& TCustomImageList::StaticClass() {
    static const TClassInfo info =
        TPublished<TCustomImageList>("TCustomImageList", TComponent::StaticClass())
            .Integer("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth, 16)
            .Integer("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight, 16)
            .Integer("AllocBy", &TCustomImageList::AllocBy, &TCustomImageList::AllocBy, 4)
            .Boolean("Masked", &TCustomImageList::Masked, &TCustomImageList::Masked, true)
            .Boolean("ShareImages", &TCustomImageList::ShareImages, &TCustomImageList::ShareImages, false)
            .Integer("BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor, clNone)
            .Integer("BlendColor", &TCustomImageList::BlendColor, &TCustomImageList::BlendColor, clNone)
            .Build();
    return info;
}

const TClassInfo& TImageList::StaticClass() {
    static const TClassInfo info = TPublished<TImageList>("TImageList", TCustomImageList::StaticClass()).Build();
    return info;
}

TChangeLink::~TChangeLink() {
    if (Sender) Sender->UnRegisterChanges(this);
}

void TChangeLink::Change() { FireEvent(OnChange, Sender); }

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner), store_(16, 16) {}

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* link : links_) link->Sender = nullptr;
}

void TCustomImageList::SetSize(int width, int height) {
    if (width == Width() && height == Height()) return;
    store_.SetSize(width, height);
    Changed();
}

std::vector<TPixels> TCustomImageList::Cut(TBitmap* image, TBitmap* mask, TColor maskColor) const {
    std::vector<TPixels> out;
    if (!image || image->Empty() || image->Height() != Height() || image->Width() % Width() != 0) return out;
    TRect whole{0, 0, image->Width(), image->Height()};
    TPixels pixels = ReadPixels(*image, whole);
    if (mask && !mask->Empty()) {
        TPixels cut = ReadPixels(*mask, whole);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            if ((cut[i] & 0xFFFFFF) == 0xFFFFFF) pixels[i] = 0;
    } else if (maskColor != clNone) {
        KeyOut(pixels, maskColor == clDefault ? image->TransparentColor() : maskColor);
    }
    for (int x0 = 0; x0 < image->Width(); x0 += Width()) {
        TPixels one;
        one.reserve(static_cast<std::size_t>(Width()) * Height());
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                one.push_back(PremultiplyPixel(pixels[static_cast<std::size_t>(y * image->Width() + x0 + x)]));
        out.push_back(std::move(one));
    }
    return out;
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
    std::vector<TPixels> images = Cut(image, mask, clNone);
    if (images.empty()) return -1;
    int first = Count();
    for (const TPixels& one : images) store_.Add(one);
    Changed();
    return first;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
    std::vector<TPixels> images = Cut(image, nullptr, maskColor);
    if (images.empty()) return -1;
    int first = Count();
    for (const TPixels& one : images) store_.Add(one);
    Changed();
    return first;
}

int TCustomImageList::AddPixels(const TPixels& pixels) {
    TPixels premultiplied(pixels.size());
    std::transform(pixels.begin(), pixels.end(), premultiplied.begin(), PremultiplyPixel);
    int index = store_.Add(premultiplied);
    if (index >= 0) Changed();
    return index;
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
    std::vector<TPixels> images = Cut(image, mask, clNone);
    if (!images.empty() && store_.Replace(index, images.front())) Changed();
}

void TCustomImageList::Insert(int index, TBitmap* image, TBitmap* mask) {
    std::vector<TPixels> images = Cut(image, mask, clNone);
    if (!images.empty() && store_.Insert(index, images.front())) Changed();
}

void TCustomImageList::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    store_.Delete(index);
    Changed();
}

void TCustomImageList::Move(int from, int to) {
    if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
    store_.Move(from, to);
    Changed();
}

void TCustomImageList::Clear() {
    if (Count() == 0) return;
    store_.Clear();
    Changed();
}

void TCustomImageList::SetBkColor(TColor color) {
    if (color == bkColor_) return;
    bkColor_ = color;
    Changed();
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
    if (!canvas || index < 0 || index >= Count()) return;
    DoDraw(index, canvas, x, y, DrawingStyle, enabled);
}

void TCustomImageList::DoDraw(int index, TCanvas* canvas, int x, int y, TDrawingStyle, bool enabled) {
    if (bkColor_ != clNone) {
        canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas->Brush()->SetColor(bkColor_);
        canvas->FillRect(Bounds(x, y, Width(), Height()));
    }
    const TPixels& pixels = store_.Pixels(index);
    if (enabled) {
        BlendPixels(*canvas, x, y, Width(), Height(), pixels);
        return;
    }
    TPixels straight(pixels.size());
    std::transform(pixels.begin(), pixels.end(), straight.begin(), UnpremultiplyPixel);
    TPixels grey = DisabledPixels(straight, Width(), Height());
    std::transform(grey.begin(), grey.end(), grey.begin(), PremultiplyPixel);
    BlendPixels(*canvas, x, y, Width(), Height(), grey);
}

bool TCustomImageList::GetBitmap(int index, TBitmap* image) const {
    if (!image || index < 0 || index >= Count()) return false;
    const TPixels& pixels = store_.Pixels(index);
    TPixels straight(pixels.size());
    std::transform(pixels.begin(), pixels.end(), straight.begin(), UnpremultiplyPixel);
    WritePixels(*image, Width(), Height(), straight);
    return true;
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
    if (!link || std::find(links_.begin(), links_.end(), link) != links_.end()) return;
    if (link->Sender && link->Sender != this) link->Sender->UnRegisterChanges(link);
    link->Sender = this;
    links_.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
    auto it = std::find(links_.begin(), links_.end(), link);
    if (it == links_.end()) return;
    links_.erase(it);
    link->Sender = nullptr;
}

void TCustomImageList::EndUpdate() {
    if (updating_ == 0 || --updating_ > 0) return;
    if (changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        Change();
    }
}

void TCustomImageList::Changed() {
    if (updating_ > 0) {
        changedWhileUpdating_ = true;
        return;
    }
    Change();
}

void TCustomImageList::Change() {
    FireEvent(OnChange, this);
    // A handler may unregister links: walk a copy.
    std::vector<TChangeLink*> links = links_;
    for (TChangeLink* link : links)
        if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->Change();
}
