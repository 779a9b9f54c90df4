#include "report/resources/PreviewButtonArt.h"
#include "report/resources/Resources.h"
#include "report/utils/PictureDrawing.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/ImageList.h"

TCustomImageList& TrpResources::PreviewList() {
    if (!previewIcons_) {
        previewIcons_ = std::make_unique<TImageList>(nullptr);
        previewIcons_->SetSize(kPreviewButtonSize, kPreviewButtonSize);
    }
    return *previewIcons_;
}

TCustomImageList& TrpResources::PreviewIcons() {
    if (PreviewList().Count() == 0) {
        TBitmap strip;
        DrawPreviewButtons(strip);
        LoadPreviewIcons(strip, false);
    }
    return PreviewList();
}

void TrpResources::LoadPreviewIcons(TBitmap& bitmap, bool clearFirst) {
    if (clearFirst) PreviewList().Clear();
    rpBitmapToImageList(bitmap, kPreviewButtonSize, kPreviewButtonSize, nullptr, PreviewList());
}
