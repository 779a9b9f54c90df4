#include "tools/skingen/InternalSkin.h"

#include "tools/skingen/ClassicSkinArt.h"

#include "skin/core/manager/SkinManager.h"

void AddClassicInternalSkin(TSkinManager& manager) {
    TSkStoredSkin& stored = manager.InternalSkins().Add();
    stored.Name = ClassicSkinName;
    stored.SetData(std::string(ClassicInternalSkinPackage()));
}
