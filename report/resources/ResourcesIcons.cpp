#include "report/resources/PreviewButtonArt.h"
#include "report/resources/Resources.h"
#include "report/utils/PictureDrawing.h"
#include "ui/core/ResourceStream.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/ImageList.h"

namespace {

constexpr std::string_view kObjectButtonsResource = "ObjectButtons";
constexpr std::string_view kBitmapResourceType = "BITMAP";

TCustomImageList& IconList(std::unique_ptr<TCustomImageList>& list) {
    if (!list) {
        list = std::make_unique<TImageList>(nullptr);
        list->SetSize(kPreviewButtonSize, kPreviewButtonSize);
    }
    return *list;
}

}  // namespace

TCustomImageList& TrpResources::PreviewList() { return IconList(previewIcons_); }

TCustomImageList& TrpResources::ObjectList() { return IconList(objectIcons_); }

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

TCustomImageList& TrpResources::ObjectIcons() {
    if (ObjectList().Count() == 0) {
        TResourceStream stream(kObjectButtonsResource, kBitmapResourceType);
        TBitmap strip;
        strip.LoadFromStream(stream);
        LoadObjectIcons(strip, false);
    }
    return ObjectList();
}

void TrpResources::LoadObjectIcons(TBitmap& bitmap, bool clearFirst) {
    if (clearFirst) ObjectList().Clear();
    rpBitmapToImageList(bitmap, kPreviewButtonSize, kPreviewButtonSize, nullptr, ObjectList());
}
