#pragma once
// The glow effects live with the other effects; they register their two
// entry points here, so that skin data can ask for a glow and free it.

#include "ui/core/Types.h"

#include "platform/window/WindowMessages.h"

#include <cstdint>
#include <string>

class TSkinManager;

struct TSkGlowFunctions {
    // The glow's index in the effects' list, or -1.
    int (*Create)(const TRect& control, const TRect& visible, const std::string& section, TSkinManager* manager,
                  platform::HWND host, int margin, const std::string& maskName) = nullptr;
    // Frees the glow of `index` and sets it to -1; a negative index does nothing.
    void (*Free)(std::int32_t& index) = nullptr;
    // Every glow freed, at a skin change or removal.
    void (*FreeAll)() = nullptr;
    // True while the effects destroy their own windows.
    bool (*Destroying)() = nullptr;
};
void SetSkinGlowFunctions(const TSkGlowFunctions& functions);
const TSkGlowFunctions& SkinGlowFunctions();
// The glow of `index` freed when there is one; `index` becomes -1.
void FreeSkinGlow(std::int32_t& index);
