#include "skin/core/utils/SkinProperties.h"

#include "ui/controls/Button.h"

#include <gtest/gtest.h>

TEST(SkinProperties, MissingPropertiesAnswerWithoutRaising) {
    TButton button(nullptr);
    EXPECT_TRUE(HasProperty(button, "Caption"));
    EXPECT_FALSE(HasProperty(button, "NoSuchThing"));
    EXPECT_EQ(GetObjectProperty(button, "NoSuchThing"), nullptr);
    EXPECT_EQ(GetObjectProperty(button, "Caption"), nullptr);  // not an object
    EXPECT_EQ(GetObjectProperty(button, "Font"), button.Font());
    EXPECT_EQ(GetOrdinalProperty(button, "NoSuchThing"), -1);
    EXPECT_EQ(GetOrdinalProperty(button, "Caption"), -1);
    SetOrdinalProperty(button, "NoSuchThing", 3);  // nothing to set, nothing raised
}

TEST(SkinProperties, OrdinalsReadAndWrite) {
    TButton button(nullptr);
    SetOrdinalProperty(button, "Width", 123);
    EXPECT_EQ(button.Width(), 123);
    EXPECT_EQ(GetOrdinalProperty(button, "Width"), 123);
    SetOrdinalProperty(button, "Enabled", 0);
    EXPECT_FALSE(button.Enabled());
}

TEST(SkinProperties, SetElementsAddedAndRemovedByName) {
    TButton button(nullptr);
    EXPECT_TRUE(SetPropertyHas(button, "Anchors", "akLeft"));
    EXPECT_FALSE(SetPropertyHas(button, "Anchors", "akRight"));
    EXPECT_FALSE(SetPropertyHas(button, "Anchors", "akNowhere"));
    ChangeSetProperty(button, "Anchors", "akRight", true);
    EXPECT_TRUE(SetPropertyHas(button, "Anchors", "akRight"));
    ChangeSetProperty(button, "Anchors", "akRight", true);  // already there
    EXPECT_TRUE(SetPropertyHas(button, "Anchors", "akRight"));
    ChangeSetProperty(button, "Anchors", "akLeft", false);
    EXPECT_FALSE(SetPropertyHas(button, "Anchors", "akLeft"));
    EXPECT_TRUE(SetPropertyHas(button, "Anchors", "akTop"));
    ChangeSetProperty(button, "Anchors", "akTop", false);
    ChangeSetProperty(button, "Anchors", "akRight", false);
    EXPECT_FALSE(SetPropertyHas(button, "Anchors", "akTop"));
    EXPECT_FALSE(SetPropertyHas(button, "Anchors", "akRight"));
}
