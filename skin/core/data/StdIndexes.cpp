#include "skin/core/data/StdIndexes.h"

#include "skin/core/data/SkinLookups.h"

namespace {

constexpr const char* kGlobal = "GLOBALINFO";
constexpr const char* kGlobalMaskKeys[] = {
    "BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED", "RADIOGRAYED", "SMALLCHECKED",
    "SMALLUNCHECKED", "SMALLGRAYED", "EXBORDER", "GRIPIMAGE", "GRIPHORZ", "GRIPVERT", "BICONCLOSE", "BICLOSEALONE",
    "BICONMAX", "BICONNORM", "BICONMIN", "BICONHELP", "SICONCLOSE", "SICONMAX", "SICONNORM", "SICONMIN", "SICONHELP"};
constexpr const char* kTabs[] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
constexpr const char* kScrollButtons[] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"};
constexpr const char* kSliders[] = {"SCROLLSLIDERV", "SCROLLSLIDERH"};
constexpr const char* kScrollBars[] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};

// A section's own index with its border mask, glyph (only when the section
// exists) and patterns, looked up through its parents.
TSkStdPart PartOf(const TSkinContent& skin, const char* name, bool withGlyph, bool withPatterns) {
    TSkStdPart part;
    part.Section = skin.FindSectionIndex(name);
    part.BorderMask = skin.FindMaskIndex(part.Section, name, "BORDERSMASK");
    if (withGlyph && part.Section >= 0) part.Glyph = skin.FindMaskIndex(part.Section, name, "GLYPHMASK");
    if (!withPatterns) return part;
    part.Pattern = skin.FindMaskIndex(part.Section, name, "PATTERN");
    part.HotPattern = skin.FindMaskIndex(part.Section, name, "HOTPATTERN");
    return part;
}

}  // namespace

TSkStdIndexes ResolveStdIndexes(const TSkinContent& skin) {
    TSkStdIndexes s;
    s.GlobalInfo = skin.FindSectionIndex(kGlobal);
    for (const char* key : kGlobalMaskKeys) s.GlobalMasks[key] = skin.FindMaskIndex(s.GlobalInfo, kGlobal, key);
    s.ComboButton.Section = skin.FindSectionIndex("COMBOBTN");
    s.ComboButton.BorderMask = skin.FindOwnMaskIndex("COMBOBTN", "BORDERSMASK");
    s.ComboButton.Pattern = skin.FindPatternIndex(s.ComboButton.Section, "COMBOBTN", "PATTERN");
    s.ComboButton.HotPattern = skin.FindPatternIndex(s.ComboButton.Section, "COMBOBTN", "HOTPATTERN");
    s.ComboGlyph = skin.FindOwnMaskIndex("COMBOBOX", "GLYPHMASK");
    for (int i = 0; i < 4; ++i) {
        s.Tabs[i] = PartOf(skin, kTabs[i], false, false);
        s.ScrollButtons[i] = PartOf(skin, kScrollButtons[i], true, true);
        s.ScrollBars[i] = PartOf(skin, kScrollBars[i], false, true);
    }
    for (int i = 0; i < 2; ++i) s.Sliders[i] = PartOf(skin, kSliders[i], true, true);
    s.WebButton = skin.FindSectionIndex("WEBBUTTON");
    return s;
}
