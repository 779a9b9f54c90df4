#pragma once
// What the DIP settings window is made of, as data: its sections and groups
// with their rows (spin edits with their limits, switches, output-key
// choices, notes) in order, and the texts of its menus and file dialogs.
// Every spin edit clamps to its own limits; its hint names those limits.

#include <string>
#include <vector>

inline constexpr const char* kDipWindowCaption = "Настройки контроллера полета";
inline constexpr const char* kDipFileFilter = "Настройки  *.cfg|*.cfg|Все файлы  *.*|*.*";
inline constexpr const char* kDipFileExt = "*.cfg";
inline constexpr const char* kDipFileOffered = "Configutation";
inline constexpr const char* kDipNoLinkCaption = "НЕТ СВЯЗИ С УСТРОЙСТВОМ";

enum class TDipRowKind { Spin, Check, Combo, Note };

struct TDipRow {
    TDipRowKind Kind;
    const char* Name;   // the control's name; a note's: empty
    const char* Text;   // label, check-box caption or note
    const char* Unit = "";
    double Start = 0;   // spin value, or 1/0 for a switch
    double Step = 0;
    double Min = 0;
    double Max = 0;
    int Decimals = 0;
    const char* Hint = "";
    // A note goes with this control: enabled and disabled with it.
    const char* TiedTo = "";
};

struct TDipGroup {
    const char* Name;
    const char* Caption;
    std::vector<TDipRow> Rows;
};

// A section is a group box of its own rows followed by its groups.
struct TDipSection {
    const char* Caption;
    std::vector<TDipRow> Rows;
    std::vector<TDipGroup> Groups;
};

const std::vector<TDipSection>& DipSections();
// The hidden spin edit of the hidden acceleration (block 1's parVnShSAcc).
const TDipRow& DipHiddenAcceleration();
// Every spin edit's row, the hidden one included.
std::vector<TDipRow> DipSpinRows();
// The items of every output-key choice.
const std::vector<std::string>& DipOutputKeyItems();
