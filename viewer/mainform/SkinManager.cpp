#include "viewer/mainform/SkinManager.h"

#include "ui/core/PublishedProperties.h"

const TClassInfo& TSkinManager::StaticClass() {
    static const TClassInfo info = TPublished<TSkinManager>("TSkinManager", TComponent::StaticClass()).Build();
    return info;
}

TSkinManager::TSkinManager(TComponent* owner) : TComponent(owner) {}
