#include "skin/core/library/ThirdPartyList.h"

#include "ui/core/PublishedProperties.h"

namespace {

constexpr const char* kNoClass = " ";

// By kind index.
const std::array<std::string, ThirdKindCount> kPropertyNames{
    "ThirdEdits",        "ThirdButtons",      "ThirdBitBtns",      "ThirdCheckBoxes",     "ThirdComboBoxes",
    "ThirdGrids",        "ThirdGroupBoxes",   "ThirdListViews",    "ThirdPanels",         "ThirdTreeViews",
    "ThirdLookupEdits",  "ThirdExtGrid",      "ThirdOwnerDataTrees", "ThirdPageControl",  "ThirdTabControl",
    "ThirdToolBar",      "ThirdStatusBar",    "ThirdSpeedButton",  "ThirdScrollControl",  "ThirdUpDown",
    "ThirdScrollBar"};

// The published order, as kind indexes.
constexpr std::array<TSkThirdKind, ThirdKindCount> kPublishedOrder{
    TSkThirdKind::Edit,        TSkThirdKind::Button,        TSkThirdKind::BitBtn,      TSkThirdKind::CheckBox,
    TSkThirdKind::GroupBox,    TSkThirdKind::ListView,      TSkThirdKind::Panel,       TSkThirdKind::Grid,
    TSkThirdKind::TreeView,    TSkThirdKind::ComboBox,      TSkThirdKind::LookupEdit,  TSkThirdKind::OwnerDataTree,
    TSkThirdKind::ExtGrid,     TSkThirdKind::PageControl,   TSkThirdKind::TabControl,  TSkThirdKind::ToolBar,
    TSkThirdKind::StatusBar,   TSkThirdKind::SpeedButton,   TSkThirdKind::ScrollControl, TSkThirdKind::UpDownBtn,
    TSkThirdKind::ScrollBar};

}  // namespace

const TClassInfo& ThirdPartyList::StaticClass() {
    static const TClassInfo info = [] {
        TPublished<ThirdPartyList> published("ThirdPartyList", TPersistent::StaticClass());
        for (TSkThirdKind kind : kPublishedOrder) {
            int index = static_cast<int>(kind);
            published.String(
                kPropertyNames[index], [index](const ThirdPartyList& list) { return list.Value(index); },
                [index](ThirdPartyList& list, const std::string& text) { list.SetValue(index, text); });
        }
        return published.Build();
    }();
    return info;
}

ThirdPartyList::ThirdPartyList() {
    for (int i = 0; i < ThirdKindCount; ++i) values_[i] = DefaultValue(i);
}

const std::string& ThirdPartyList::DefaultValue(int index) {
    static const std::string button = "TButton", none = kNoClass;
    return index == static_cast<int>(TSkThirdKind::Button) ? button : none;
}

const std::string& ThirdPartyList::PropertyName(int index) { return kPropertyNames.at(index); }

TSkThirdLists::TSkThirdLists() {
    for (auto& list : lists_) {
        list = std::make_unique<TStringList>();
        list->SetCaseSensitive(true);
    }
}

bool TSkThirdLists::Contains(TSkThirdKind kind, const std::string& className) const {
    return List(static_cast<int>(kind)).IndexOf(className) >= 0;
}

void UpdateThirdLists(ThirdPartyList& properties, TSkThirdLists& lists, bool reset) {
    for (int i = 0; i < ThirdKindCount; ++i) {
        if (reset || properties.Value(i).empty()) properties.SetValue(i, ThirdPartyList::DefaultValue(i));
        lists.List(i).SetText(properties.Value(i));
    }
}

void StoreThirdLists(ThirdPartyList& properties, const TSkThirdLists& lists) {
    for (int i = 0; i < ThirdKindCount; ++i) properties.SetValue(i, lists.List(i).Text());
}
