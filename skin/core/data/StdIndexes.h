#pragma once
// Indexes painters need often, resolved after every load; -1 where the skin
// lacks the entry.

#include <array>
#include <map>
#include <string>

struct TSkinContent;

// A section with the images painters look up for it.
struct TSkStdPart {
    int Section = -1;
    int BorderMask = -1;
    int Glyph = -1;
    int Pattern = -1;
    int HotPattern = -1;
};

struct TSkStdIndexes {
    int GlobalInfo = -1;
    // GLOBALINFO's check boxes, radio buttons, grips, border and title icons, by key.
    std::map<std::string, int> GlobalMasks;
    TSkStdPart ComboButton;
    int ComboGlyph = -1;
    // TABTOP, TABBOTTOM, TABLEFT, TABRIGHT.
    std::array<TSkStdPart, 4> Tabs;
    // SCROLLBTNTOP, SCROLLBTNBOTTOM, SCROLLBTNLEFT, SCROLLBTNRIGHT.
    std::array<TSkStdPart, 4> ScrollButtons;
    // SCROLLSLIDERV, SCROLLSLIDERH.
    std::array<TSkStdPart, 2> Sliders;
    // SCROLLBAR1H, SCROLLBAR1V, SCROLLBAR2H, SCROLLBAR2V.
    std::array<TSkStdPart, 4> ScrollBars;
    int WebButton = -1;

    int GlobalMask(const std::string& key) const {
        auto found = GlobalMasks.find(key);
        return found == GlobalMasks.end() ? -1 : found->second;
    }
};

TSkStdIndexes ResolveStdIndexes(const TSkinContent& skin);
