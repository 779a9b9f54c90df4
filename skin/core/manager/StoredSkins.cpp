#include "skin/core/manager/StoredSkins.h"

#include "skin/core/manager/SkinManager.h"

#include "ui/core/Filer.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TSkStoredSkin::StaticClass() {
    static const TClassInfo info =
        TPublished<TSkStoredSkin>("TSkStoredSkin", TCollectionItem::StaticClass())
            .String("Name", &TSkStoredSkin::Name, &TSkStoredSkin::Name)
            .Object("MasterBitmap", &TBitmap::StaticClass, &TSkStoredSkin::MasterBitmap, &TSkStoredSkin::SetMasterBitmap)
            .Integer("Shadow1Color", &TSkStoredSkin::Shadow1Color, &TSkStoredSkin::Shadow1Color)
            .Integer("Shadow1Offset", &TSkStoredSkin::Shadow1Offset, &TSkStoredSkin::Shadow1Offset)
            .Integer("Shadow1Blur", &TSkStoredSkin::Shadow1Blur, &TSkStoredSkin::Shadow1Blur, -1)
            .Integer("Shadow1Transparency", &TSkStoredSkin::Shadow1Transparency, &TSkStoredSkin::Shadow1Transparency)
            .Integer("BorderColor", &TSkStoredSkin::BorderColor, &TSkStoredSkin::BorderColor, 0xFF00FF)
            .Float("Version", &TSkStoredSkin::Version, &TSkStoredSkin::Version)
            .String("Author", &TSkStoredSkin::Author, &TSkStoredSkin::Author)
            .String("Description", &TSkStoredSkin::Description, &TSkStoredSkin::Description)
            .Build();
    return info;
}

TSkStoredSkin::TSkStoredSkin(TCollection* collection) : TCollectionItem(collection) {}

void TSkStoredSkin::SetData(const std::string& bytes) {
    data_.Clear();
    data_.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    data_.SetPosition(0);
}

void TSkStoredSkin::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TSkStoredSkin*>(source);
    if (!other) return TCollectionItem::Assign(source);
    if (other == this) return;
    const std::int64_t size = other->data_.Size();
    data_.Clear();
    data_.WriteBuffer(other->data_.Memory(), size);
    data_.SetPosition(0);
    Name = other->Name;
    masterBitmap_->Assign(other->masterBitmap_.get());
    Shadow1Color = other->Shadow1Color;
    Shadow1Offset = other->Shadow1Offset;
    Shadow1Blur = other->Shadow1Blur;
    Shadow1Transparency = other->Shadow1Transparency;
    BorderColor = other->BorderColor;
    Version = other->Version;
    Author = other->Author;
    Description = other->Description;
}

void TSkStoredSkin::DefineProperties(TFiler& filer) {
    TCollectionItem::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
            data_.Clear();
            data_.CopyFrom(s, s.Size() - s.Position());
            data_.SetPosition(0);
        },
        [this](TStream& s) { s.WriteBuffer(data_.Memory(), data_.Size()); }, true);
}

const TClassInfo& TSkStoredSkins::StaticClass() {
    static const TClassInfo info = TPublished<TSkStoredSkins>("TSkStoredSkins", TCollection::StaticClass()).Build();
    return info;
}

TSkStoredSkins::TSkStoredSkins(TSkinManager* manager)
    : TCollection(TSkStoredSkin::StaticClass(), manager), manager_(manager) {}

// The items go after this, with no manager left to tell.
TSkStoredSkins::~TSkStoredSkins() { manager_ = nullptr; }

int TSkStoredSkins::IndexOf(const std::string& name) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i).Name == name) return i;
    return -1;
}

void TSkStoredSkins::Assign(const TPersistent*) {}

void TSkStoredSkins::Update(TCollectionItem* item) {
    TCollection::Update(item);
    if (manager_) FireEvent(manager_->OnSkinListChanged, manager_);
}
