#pragma once
// The class names of foreign controls that the skin library skins as if
// they were its own kinds: 21 line-separated lists, one per kind.

#include "ui/core/Persistent.h"
#include "ui/core/StringList.h"

#include <array>
#include <memory>
#include <string>

enum class TSkThirdKind {
    Edit, Button, BitBtn, CheckBox, ComboBox, Grid, GroupBox, ListView, Panel, TreeView, LookupEdit, ExtGrid,
    OwnerDataTree, PageControl, TabControl, ToolBar, StatusBar, SpeedButton, ScrollControl, UpDownBtn, ScrollBar
};
constexpr int ThirdKindCount = 21;

class ThirdPartyList : public TPersistent {
    DECLARE_CLASS_INFO
public:
    ThirdPartyList();
    const std::string& Value(int index) const { return values_.at(index); }
    void SetValue(int index, const std::string& text) { values_.at(index) = text; }
    // One blank means "no class".
    static const std::string& DefaultValue(int index);
    static const std::string& PropertyName(int index);

private:
    std::array<std::string, ThirdKindCount> values_;
};

// The manager's lists, one case-sensitive list per kind index.
class TSkThirdLists {
public:
    TSkThirdLists();
    TStringList& List(int index) { return *lists_.at(index); }
    const TStringList& List(int index) const { return *lists_.at(index); }
    // The class name is in the list of that kind (exact case).
    bool Contains(TSkThirdKind kind, const std::string& className) const;

private:
    std::array<std::unique_ptr<TStringList>, ThirdKindCount> lists_;
};

// With reset every property takes its default, without it only an empty
// one; then each list takes its property's lines.
void UpdateThirdLists(ThirdPartyList& properties, TSkThirdLists& lists, bool reset);
// Every property takes the text of its list.
void StoreThirdLists(ThirdPartyList& properties, const TSkThirdLists& lists);
