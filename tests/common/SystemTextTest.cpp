#include "common/SystemText.h"

#include <gtest/gtest.h>

TEST(SysErrorText, GivesTheSystemTextWithoutTheLineEnd) {
    EXPECT_EQ(SysErrorText(2), "Файл не найден.");
    EXPECT_EQ(SysErrorText(5), "Отказано в доступе: нет прав на этот файл или папку.");
    EXPECT_EQ(SysErrorText(0xDEAD), "");
}

TEST(CommandLineParam, WalksBlankSeparatedPartsWithQuotes) {
    const char* line = "  velzar.exe \"C:\\My Logs\\a.log\" /acver x\"y z\"w \"open";
    const struct {
        int n;
        const char* part;
    } cases[] = {
        {0, "velzar.exe"}, {1, "C:\\My Logs\\a.log"}, {2, "/acver"}, {3, "x\"y z\"w"}, {4, "\"open"}, {5, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CommandLineParam(line, c.n), c.part) << c.n;
}

TEST(CommandLineParam, ZeroIsTheProgramFile) {
    std::string path = CommandLineParam(0);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_NE(path.find("test_common"), std::string::npos);
}
