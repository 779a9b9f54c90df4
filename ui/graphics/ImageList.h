#pragma once
// Image lists: pictures of one size, kept as 32-bit pixels with alpha and
// drawn blended. Images come from bitmaps (a 32-bit bitmap keeps its alpha;
// others are opaque, with a mask bitmap or a mask colour cutting them out).
// Controls that draw from a list hear of its changes through change links.

#include "ui/core/Component.h"
#include "ui/core/Events.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/ImagePixels.h"
#include "ui/graphics/ImageStore.h"

#include <vector>

class TCustomImageList;

// A control's tie to a list: OnChange runs whenever the list changes; the
// link unregisters itself when it goes first, the list clears Sender when it does.
class TChangeLink {
public:
    TChangeLink() = default;
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;
    ~TChangeLink();

    TCustomImageList* Sender = nullptr;
    TNotifyEvent OnChange;
    void Change();
};

enum class TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum class TImageType { itImage, itMask };

class TCustomImageList : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;

    int Width() const { return store_.Width(); }
    int Height() const { return store_.Height(); }
    // A new size empties the list.
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    void SetSize(int width, int height);
    int Count() const { return store_.Count(); }

    // The image (as wide as several images: one each) cut out where the
    // mask is white; without a mask a 32-bit image keeps its alpha and any
    // other is opaque. Returns the index of the first image added, -1 when
    // the bitmap is not a whole number of images.
    int Add(TBitmap* image, TBitmap* mask);
    // Pixels of `maskColor` are transparent; clDefault: the colour of the bottom-left pixel.
    int AddMasked(TBitmap* image, TColor maskColor);
    // Straight-alpha pixels, Width x Height.
    int AddPixels(const TPixels& pixels);
    void Replace(int index, TBitmap* image, TBitmap* mask);
    void Insert(int index, TBitmap* image, TBitmap* mask);
    void Delete(int index);
    void Move(int from, int to);
    void Clear();

    // Blended at (x, y); disabled images are drawn embossed in grey.
    // An index out of range draws nothing.
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
    // The image as a Width x Height 32-bit bitmap with straight alpha;
    // false (and the bitmap untouched) for an index out of range.
    bool GetBitmap(int index, TBitmap* image) const;
    // Premultiplied pixels of an image; empty out of range.
    const TPixels& Pixels(int index) const { return store_.Pixels(index); }

    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color);
    TColor BlendColor = clNone;
    TDrawingStyle DrawingStyle = TDrawingStyle::dsNormal;
    TImageType ImageType = TImageType::itImage;
    bool Masked = true;
    bool ShareImages = false;
    int AllocBy = 4;

    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);
    TNotifyEvent OnChange;
    // Many changes as one: Change runs once at the last EndUpdate.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

protected:
    // Tells OnChange and every link.
    virtual void Change();
    virtual void DoDraw(int index, TCanvas* canvas, int x, int y, TDrawingStyle style, bool enabled);

private:
    // The images of a bitmap as straight-alpha strips, one per image.
    std::vector<TPixels> Cut(TBitmap* image, TBitmap* mask, TColor maskColor) const;
    void Changed();

    TImageStore store_;
    TColor bkColor_ = clNone;
    std::vector<TChangeLink*> links_;
    int updating_ = 0;
    bool changedWhileUpdating_ = false;
};

class TImageList : public TCustomImageList {
    DECLARE_CLASS_INFO
public:
    using TCustomImageList::TCustomImageList;
};
