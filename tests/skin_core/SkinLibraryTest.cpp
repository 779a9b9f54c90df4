#include "skin/core/library/SkinConstants.h"
#include "skin/core/library/SkinStrings.h"
#include "skin/core/library/ThirdPartyList.h"

#include "ui/core/TypeInfo.h"

#include <gtest/gtest.h>

TEST(SkinLibrary, ProcessWideValues) {
    EXPECT_EQ(SkinCommandMsg, 0xA100u);
    EXPECT_EQ(KeyColorValue, 0xFF00FFu);
    EXPECT_EQ(DefaultParentCache.Bitmap, nullptr);
    EXPECT_EQ(DefaultParentCache.Color, 0xFF00FFu);
    EXPECT_FALSE(DefaultParentCache.Ready);
    EXPECT_GT(SystemArrowWidth(), 0);
}

TEST(SkinLibrary, StringTable) {
    struct Case {
        int id;
        const char* text;
    } cases[] = {{58992, "OK"},          {58991, "Отмена"},      {58976, "Закрыть"},
                 {58963, "(внутренний)"}, {58949, "Дизайнер подсказок"}, {58924, "Окно предварительного просмотра"},
                 {58923, "Неверная дата"}, {58910, "Создать"},    {58000, ""}};
    for (const Case& c : cases) EXPECT_EQ(SkinString(c.id), c.text) << c.id;
}

TEST(SkinLibrary, ThirdPartyListsFillFromTheirProperties) {
    ThirdPartyList properties;
    TSkThirdLists lists;
    // As a stored form would leave them: an emptied Edit list and a stored class name.
    SetStrProp(properties, "ThirdEdits", "");
    SetStrProp(properties, "ThirdPanels", "TMyPanel");
    UpdateThirdLists(properties, lists, false);
    EXPECT_EQ(GetStrProp(properties, "ThirdEdits"), " ");
    EXPECT_TRUE(lists.Contains(TSkThirdKind::Panel, "TMyPanel"));
    EXPECT_EQ(lists.List(static_cast<int>(TSkThirdKind::Panel)).Count(), 1);
    EXPECT_TRUE(lists.Contains(TSkThirdKind::Button, "TButton"));
    EXPECT_FALSE(lists.Contains(TSkThirdKind::Button, "tbutton"));
    EXPECT_FALSE(lists.Contains(TSkThirdKind::Edit, "TButton"));
    // Reset brings the defaults back.
    UpdateThirdLists(properties, lists, true);
    EXPECT_FALSE(lists.Contains(TSkThirdKind::Panel, "TMyPanel"));
    // The lists write back into the properties.
    lists.List(static_cast<int>(TSkThirdKind::Grid)).Add("TFancyGrid");
    StoreThirdLists(properties, lists);
    ThirdPartyList reread;
    SetStrProp(reread, "ThirdGrids", GetStrProp(properties, "ThirdGrids"));
    TSkThirdLists again;
    UpdateThirdLists(reread, again, false);
    EXPECT_TRUE(again.Contains(TSkThirdKind::Grid, "TFancyGrid"));
}

TEST(SkinLibrary, ThirdPartyPropertiesPublishedInTheirOrder) {
    std::vector<std::string> names;
    for (const TPropInfo* p : ThirdPartyList::StaticClass().Properties()) names.push_back(p->Name);
    ASSERT_EQ(names.size(), 21u);
    EXPECT_EQ(names[3], "ThirdCheckBoxes");
    EXPECT_EQ(names[4], "ThirdGroupBoxes");
    EXPECT_EQ(names[7], "ThirdGrids");
    EXPECT_EQ(names[9], "ThirdComboBoxes");
    EXPECT_EQ(names[20], "ThirdScrollBar");
}
