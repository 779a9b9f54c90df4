#include "common/MessageBoxText.h"
#include "ui/forms/Application.h"

#include <gtest/gtest.h>

TEST(ShowMessageBox, ShowsTheTextWithTheSystemCaptionInFront) {
    std::string shownText, shownCaption;
    unsigned shownFlags = 0;
    Application->SetMessageBoxFunction([&](const std::string& text, const std::string& caption, unsigned flags) {
        shownText = text;
        shownCaption = caption;
        shownFlags = flags;
        return 1;
    });
    ShowMessageBox("Ошибка масштабирования!!!");
    Application->SetMessageBoxFunction(nullptr);
    EXPECT_EQ(shownText, "Ошибка масштабирования!!!");
    EXPECT_EQ(shownCaption, "Error");
    EXPECT_EQ(shownFlags, MB_OK | MB_SETFOREGROUND);
}
