#pragma once
// Skins that travel inside the program, stored with the form that owns the
// manager: each item a name and a packed skin, streamed as the binary
// property "Data".

#include "ui/core/Collection.h"
#include "ui/core/MemoryStream.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"

#include <memory>
#include <string>

class TSkinManager;

class TSkStoredSkin : public TCollectionItem {
    DECLARE_CLASS_INFO
public:
    explicit TSkStoredSkin(TCollection* collection);

    // Compared exactly with the manager's SkinName.
    std::string Name;
    // Kept for older stored skins; the loader reads only Data, whose own
    // options carry the values it uses.
    TBitmap* MasterBitmap() const { return masterBitmap_.get(); }
    void SetMasterBitmap(TBitmap* bitmap) { masterBitmap_->Assign(bitmap); }
    TColor Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    TColor BorderColor = 0xFF00FF;
    double Version = 0;
    std::string Author;
    std::string Description;

    // The packed skin, in the package layout.
    TMemoryStream& Data() { return data_; }
    void SetData(const std::string& bytes);

    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

private:
    std::unique_ptr<TBitmap> masterBitmap_ = std::make_unique<TBitmap>();
    // Its read position is no part of the skin.
    mutable TMemoryStream data_;
};

class TSkStoredSkins : public TCollection {
    DECLARE_CLASS_INFO
public:
    explicit TSkStoredSkins(TSkinManager* manager = nullptr);
    ~TSkStoredSkins() override;

    TSkStoredSkin& Items(int index) const { return static_cast<TSkStoredSkin&>(*TCollection::Items(index)); }
    TSkStoredSkin& Add() { return static_cast<TSkStoredSkin&>(*TCollection::Add()); }
    // The first item whose name equals `name` exactly; -1 when none.
    int IndexOf(const std::string& name) const;
    // Another collection never replaces the stored skins.
    void Assign(const TPersistent* source) override;

protected:
    // Tells the manager that its list of skins changed.
    void Update(TCollectionItem* item) override;

private:
    TSkinManager* manager_;
};
