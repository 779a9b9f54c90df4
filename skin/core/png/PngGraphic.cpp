#include "skin/core/png/PngGraphic.h"

#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Picture.h"

const TClassInfo& TPNGGraphic::StaticClass() {
    static const TClassInfo info = TPublished<TPNGGraphic>("TPNGGraphic", TBitmap::StaticClass()).Build();
    return info;
}

TPNGGraphic::TPNGGraphic() : colorManager_(std::make_unique<TColorManager>()) {}

TPNGGraphic::~TPNGGraphic() = default;

void TPNGGraphic::Assign(const TPersistent* source) {
    if (const auto* png = dynamic_cast<const TPNGGraphic*>(source)) properties_ = png->properties_;
    TBitmap::Assign(source);
}

void RegisterSkinPngFormat() {
    TPicture::RegisterFileFormat("png", "Portable network graphics (skin engine)", TPNGGraphic::StaticClass());
}

void UnregisterSkinPngFormat() { TPicture::UnregisterGraphicClass(TPNGGraphic::StaticClass()); }
