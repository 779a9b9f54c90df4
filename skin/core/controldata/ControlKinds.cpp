#include "skin/core/controldata/ControlKinds.h"

#include <bitset>
#include <initializer_list>
#include <utility>

namespace {

constexpr int kKindCount = 256;
using TKindSet = std::bitset<kKindCount>;

// Inclusive ranges of codes.
TKindSet KindSet(std::initializer_list<std::pair<int, int>> ranges) {
    TKindSet set;
    for (auto [from, to] : ranges)
        for (int k = from; k <= to; ++k) set.set(static_cast<std::size_t>(k));
    return set;
}

bool InSet(const TKindSet& set, int kind) { return kind >= 0 && kind < kKindCount && set.test(static_cast<std::size_t>(kind)); }

struct TKindSection {
    std::initializer_list<std::pair<int, int>> ranges;
    const char* section;
};

}  // namespace

std::string DefaultSectionOfKind(int kind) {
    static const TKindSection table[] = {
        {{{2, 8}, {10, 10}, {41, 41}, {76, 76}, {78, 78}, {83, 85}, {96, 96}, {131, 131}, {140, 140}, {230, 230}}, "EDIT"},
        {{{11, 18}, {81, 82}}, "COMBOBOX"},
        {{{19, 19}}, "BAR"},
        {{{20, 20}}, "BARTITLE"},
        {{{32, 33}, {152, 152}}, "CHECKBOX"},
        {{{51, 51}, {59, 59}, {68, 68}, {73, 73}}, "PANEL"},
        {{{52, 52}, {58, 58}}, "PANEL_LOW"},
        {{{53, 54}, {60, 60}}, "TOOLBAR"},
        {{{56, 56}}, "DRAGBAR"},
        {{{57, 57}}, "TABSHEET"},
        {{{74, 74}, {226, 226}}, "GROUPBOX"},
        {{{75, 75}}, "SPLITTER"},
        {{{92, 92}, {95, 95}}, "SPEEDBUTTON"},
        {{{93, 94}}, "BUTTON"},
        {{{98, 98}}, "TOOLBUTTON"},
        {{{141, 141}, {143, 143}}, "PAGECONTROL"},
        {{{151, 151}}, "STATUSBAR"},
        {{{161, 161}}, "GAUGE"},
        {{{165, 165}}, "TRACKBAR"},
    };
    for (const TKindSection& entry : table)
        for (auto [from, to] : entry.ranges)
            if (kind >= from && kind <= to) return entry.section;
    return {};
}

bool IsEditKind(int kind) {
    static const TKindSet set = KindSet({{2, 18}, {41, 41}, {76, 84}, {96, 96}, {131, 140}, {231, 231}});
    return InSet(set, kind);
}

bool IsContainerKind(int kind) {
    static const TKindSet set = KindSet({{19, 19}, {51, 74}, {110, 110}, {141, 161}});
    return InSet(set, kind);
}

bool IsGlowlessKind(int kind) {
    static const TKindSet set = KindSet({{51, 52}, {54, 54}, {56, 60}, {68, 68}, {73, 74}, {110, 110}, {141, 141},
                                         {143, 143}, {151, 151}, {161, 161}, {226, 226}});
    return InSet(set, kind);
}
