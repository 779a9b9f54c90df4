#include "ui/menus/ShortCuts.h"

#include "ui/core/TextCase.h"

#include "platform/window/Input.h"

#include <utility>

namespace {

struct KeyName {
    platform::WORD key;
    const char* name;
};

const KeyName KeyNames[] = {
    {platform::VK_BACK, "BkSp"},   {platform::VK_TAB, "Tab"},     {platform::VK_RETURN, "Enter"},
    {platform::VK_ESCAPE, "Esc"},  {platform::VK_SPACE, "Space"}, {platform::VK_PRIOR, "PgUp"},
    {platform::VK_NEXT, "PgDn"},   {platform::VK_END, "End"},     {platform::VK_HOME, "Home"},
    {platform::VK_LEFT, "Left"},   {platform::VK_UP, "Up"},       {platform::VK_RIGHT, "Right"},
    {platform::VK_DOWN, "Down"},   {platform::VK_INSERT, "Ins"},  {platform::VK_DELETE, "Del"},
};

std::string KeyText(platform::WORD key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= platform::VK_F1 && key <= platform::VK_F1 + 11) return "F" + std::to_string(key - platform::VK_F1 + 1);
    for (const KeyName& k : KeyNames)
        if (k.key == key) return k.name;
    return {};
}

}  // namespace

TShortCut ShortCut(platform::WORD key, TShiftState shift) {
    TShortCut s = key & 0xFF;
    if (shift.Contains(TShiftStateItem::ssShift)) s |= scShift;
    if (shift.Contains(TShiftStateItem::ssCtrl)) s |= scCtrl;
    if (shift.Contains(TShiftStateItem::ssAlt)) s |= scAlt;
    return s;
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string key = KeyText(static_cast<platform::WORD>(shortCut & 0xFF));
    if (key.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + key;
}

TShortCut TextToShortCut(const std::string& text) {
    TShortCut shift = 0;
    std::string rest = text;
    for (auto [prefix, bit] : {std::pair{"shift+", scShift}, std::pair{"ctrl+", scCtrl}, std::pair{"alt+", scAlt}}) {
        std::string p = prefix;
        if (rest.size() > p.size() && AnsiSameText(rest.substr(0, p.size()), p)) {
            shift |= bit;
            rest = rest.substr(p.size());
        }
    }
    for (int key = 1; key < 256; ++key) {
        std::string name = KeyText(static_cast<platform::WORD>(key));
        if (!name.empty() && AnsiSameText(name, rest)) return static_cast<TShortCut>(shift | key);
    }
    return 0;
}

