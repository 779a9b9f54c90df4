#pragma once
// The main window's skin manager as far as the viewer uses it: it holds the
// skin settings the skin menu changes and the design settings it starts
// with. Nothing is skinned yet, so changing them changes nothing on screen.

#include "ui/core/Component.h"

#include <string>
#include <vector>

class TSkinManager : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TSkinManager(TComponent* owner);

    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& name) { skinName_ = name; }
    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }

    std::string MenuLineSkin;
    bool AnimateFormShow = true;
    bool AnimateFormHide = true;
    bool AnimateMinimize = false;
    // The plain control classes the manager would skin.
    std::vector<std::string> SkinnedClasses;

private:
    std::string skinName_;
    bool active_ = true;
};
