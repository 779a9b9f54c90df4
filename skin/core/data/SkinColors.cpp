#include "skin/core/data/SkinColors.h"

#include "skin/core/library/SkinConstants.h"

#include "ui/graphics/Colors.h"

namespace {

constexpr std::uint32_t kButtonFace = 0xFF00000F, kWindow = 0xFF000005, kWindowText = 0xFF000008,
                        kHighlight = 0xFF00000D, kHighlightText = 0xFF00000E;
constexpr std::int32_t kUnset = -1;
constexpr std::int32_t kWhite = 0xFFFFFF;

const TSkGeneralData* SectionOf(const TSkinContent& skin, const char* name) {
    int index = skin.FindSectionIndex(name);
    return index < 0 ? nullptr : &skin.GeneralData[static_cast<std::size_t>(index)];
}

std::uint32_t Rgb(std::int32_t color) { return ColorToRGB(static_cast<TColor>(color)); }

bool Missing(std::int32_t color) { return color == kUnset || static_cast<std::uint32_t>(color) == KeyColorValue; }

const TSkGenState& StateOf(const TSkGeneralData& section, bool hot) {
    return section.StateProps[hot && section.StateCount > 1 ? HotState : NormalState];
}

}  // namespace

std::uint32_t GlobalBackColor(const TSkinContent& skin) {
    const TSkGeneralData* global = SectionOf(skin, "GLOBALINFO");
    return global ? Rgb(global->Color) : Rgb(static_cast<std::int32_t>(kButtonFace));
}

std::uint32_t GlobalFontColor(const TSkinContent& skin) {
    const TSkGeneralData* global = SectionOf(skin, "GLOBALINFO");
    return global ? Rgb(global->FontColor[0]) : KeyColorValue;
}

std::uint32_t GlobalHotColor(const TSkinContent& skin) {
    const TSkGeneralData* global = SectionOf(skin, "GLOBALINFO");
    return global ? Rgb(global->HotColor) : Rgb(static_cast<std::int32_t>(kWindow));
}

std::uint32_t EditFontColor(const TSkinContent& skin) {
    const TSkGeneralData* edit = SectionOf(skin, "EDIT");
    return edit ? Rgb(edit->StateProps[NormalState].FontColor[0]) : kWindowText;
}

std::uint32_t SelectionColor(const TSkinContent& skin, bool hot) {
    if (const TSkGeneralData* selection = SectionOf(skin, "SELECTION")) {
        std::int32_t color = StateOf(*selection, hot).Color;
        if (!Missing(color)) return Rgb(color);
    }
    if (const TSkGeneralData* item = SectionOf(skin, "MENUITEM")) {
        if (!Missing(item->HotColor) && item->HotColor != kWhite) return Rgb(item->HotColor);
    }
    return kHighlight;
}

std::uint32_t SelectionFontColor(const TSkinContent& skin, bool hot) {
    if (const TSkGeneralData* selection = SectionOf(skin, "SELECTION")) {
        std::int32_t color = StateOf(*selection, hot).FontColor[0];
        if (!Missing(color)) return static_cast<std::uint32_t>(color);
    }
    if (const TSkGeneralData* item = SectionOf(skin, "MENUITEM")) {
        if (!Missing(item->HotFontColor[0])) return Rgb(item->HotFontColor[0]);
    }
    return kHighlightText;
}
