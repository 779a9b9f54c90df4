#include "report/options/EngineOptions.h"
#include "report/storage/XmlSerializer.h"

#include <gtest/gtest.h>

namespace {

TEST(EngineOptionsTest, DefaultsAreNotWrittenAndChangesComeBack) {
    TrpXMLSerializer serializer(nullptr);
    TrpEngineOptions options;
    EXPECT_EQ(serializer.PropertiesText(options, "", nullptr), "");

    options.ConvertNulls = false;
    options.DoublePass = true;
    options.MaxMemSize = 64;
    options.PrintIfEmpty = false;
    options.NewSilentMode = TrpSilentMode::simReThrow;
    options.TempDir = "/tmp/отчёты";
    options.UseFileCache = true;
    options.IgnoreDevByZero = true;
    std::string text = serializer.PropertiesText(options, "", nullptr);
    EXPECT_EQ(text.find("SilentMode=\"1\""), std::string::npos);

    TrpEngineOptions back;
    serializer.ApplyPropertiesText(text, back);
    EXPECT_EQ(serializer.Errors.Count(), 0);
    EXPECT_FALSE(back.ConvertNulls);
    EXPECT_TRUE(back.DoublePass);
    EXPECT_EQ(back.MaxMemSize, 64);
    EXPECT_FALSE(back.PrintIfEmpty);
    EXPECT_EQ(back.NewSilentMode, TrpSilentMode::simReThrow);
    EXPECT_EQ(back.TempDir, "/tmp/отчёты");
    EXPECT_TRUE(back.UseFileCache);
    EXPECT_TRUE(back.IgnoreDevByZero);
}

TEST(EngineOptionsTest, AssignCopiesTheStoredChoicesOnly) {
    TrpEngineOptions source;
    source.MaxMemSize = 3;
    source.NewSilentMode = TrpSilentMode::simSilent;
    source.TempDir = "/var/tmp";
    source.DestroyForms = false;
    source.ThreadSafeMode = true;
    TrpEngineOptions target;
    target.Assign(&source);
    EXPECT_EQ(target.MaxMemSize, 3);
    EXPECT_EQ(target.NewSilentMode, TrpSilentMode::simSilent);
    EXPECT_EQ(target.TempDir, "/var/tmp");
    EXPECT_TRUE(target.DestroyForms);
    EXPECT_FALSE(target.ThreadSafeMode);

    target.DoublePass = true;
    target.ConvertNulls = false;
    target.Clear();
    EXPECT_FALSE(target.DoublePass);
    EXPECT_TRUE(target.ConvertNulls);
    EXPECT_EQ(target.MaxMemSize, 3);
}

}  // namespace
