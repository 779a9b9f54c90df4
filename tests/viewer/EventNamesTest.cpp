#include "viewer/log/EventNames.h"

#include <gtest/gtest.h>

TEST(EventNames, HoldTheControllersTextsWithTwoLeadingBlanks) {
    ASSERT_EQ(EventNames.size(), 22u);
    EXPECT_EQ(EventNames[0], "  Отключен");
    // Codes 1 and 2 begin with a Latin C.
    EXPECT_EQ(EventNames[1], "  Cтарт по ускорению");
    EXPECT_EQ(EventNames[1].substr(0, 3), "  C");
    EXPECT_EQ(EventNames[2], "  Cтарт по датчику давления");
    EXPECT_EQ(EventNames[2].substr(0, 3), "  C");
    EXPECT_EQ(EventNames[3], "  Окончание работы двигателя по ускорению");
    EXPECT_EQ(EventNames[10], "  Приземление по датчику давления");
    EXPECT_EQ(EventNames[21], "  Зафиксирован внештатный старт");
    for (auto name : EventNames) EXPECT_EQ(name.substr(0, 2), "  ") << name;
}

TEST(EventNames, ACodeOutsideTheTableGetsAGenericTextWithItsNumber) {
    EXPECT_EQ(EventNameText(7), "  Выброс тормозного парашюта");
    EXPECT_EQ(EventNameText(21), "  Зафиксирован внештатный старт");
    EXPECT_EQ(EventNameText(22), "  Неизвестное событие №22");
    EXPECT_EQ(EventNameText(255), "  Неизвестное событие №255");
    EXPECT_EQ(EventNameText(-1), "  Неизвестное событие №-1");
}
