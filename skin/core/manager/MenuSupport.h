#pragma once
// The manager's menu options: the extra line beside popup menus, the
// section that paints the icon column, the menus' alpha.

#include "ui/core/Persistent.h"
#include "ui/graphics/GraphicsObjects.h"

#include <cstdint>
#include <memory>
#include <string>

class TxMenuSupport : public TPersistent {
    DECLARE_CLASS_INFO
public:
    static constexpr int kDefaultExtraLineWidth = 32;
    static constexpr std::uint8_t kOpaque = 255;

    bool UseExtraLine = false;
    int ExtraLineWidth = kDefaultExtraLineWidth;
    TFont* ExtraLineFont() const { return extraLineFont_.get(); }
    void SetExtraLineFont(TFont* font) { extraLineFont_->Assign(font); }
    std::uint8_t AlphaBlend = kOpaque;
    // Empty until the manager is loaded, then "ICOLINE" unless set.
    std::string IcoLineSkin;

private:
    std::unique_ptr<TFont> extraLineFont_ = std::make_unique<TFont>();
};
