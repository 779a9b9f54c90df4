#include "ui/graphics/Graphic.h"

#include "ui/core/Filer.h"
#include "ui/core/HandleStream.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/TypeInfo.h"

const TClassInfo& TGraphic::StaticClass() {
    static const TClassInfo info("TGraphic", &TPersistent::StaticClass());
    return info;
}

void TGraphic::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    Changed();
}

void TGraphic::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TGraphic::SaveToFile(const std::string& fileName) {
    TMemoryStream bytes;  // a failed save leaves no half-written file behind
    SaveToStream(bytes);
    bytes.SaveToFile(fileName);
}

void TGraphic::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data", [this](TStream& s) { LoadFromStream(s); }, [this](TStream& s) { SaveToStream(s); }, !Empty());
}

void TGraphic::Changed() {
    Modified = true;
    FireEvent(OnChange, this);
}
