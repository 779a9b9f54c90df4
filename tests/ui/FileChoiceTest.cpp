#include "ui/dialogs/FileChoice.h"
#include "ui/dialogs/FileFilter.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(FileFilter, PairsOfDescriptionAndMasks) {
    auto entries = ParseFileFilter("Log file|*.log|Any file|*.*");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Description, "Log file");
    EXPECT_EQ(entries[0].Masks, std::vector<std::string>{"*.log"});
    EXPECT_EQ(entries[1].Masks, std::vector<std::string>{"*.*"});
    // Masks split at ';', blanks dropped; a description without masks is left out.
    entries = ParseFileFilter("Pictures|*.bmp; *.png|Broken");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Masks, (std::vector<std::string>{"*.bmp", "*.png"}));
    EXPECT_TRUE(ParseFileFilter("").empty());
    EXPECT_TRUE(ParseFileFilter("Nothing|").empty());
}

TEST(FileFilter, MasksMatchWithoutRegardToCase) {
    const struct {
        const char* name;
        const char* mask;
        bool matches;
    } cases[] = {
        {"Flight1.LOG", "*.log", true},   {"flight.log.bak", "*.log", false}, {"noext", "*.*", true},
        {"ab", "a?", true},               {"abc", "a?", false},               {"Полёт.log", "*.LOG", true},
        {"Полёт.log", "?олёт.log", true}, {"ПОЛЁТ.hex", "полёт.*", true},      {"x", "", false},
        {"settings.cfg", "*s*.c?g", true}, {"a.hex", "*.hex;*.log", false},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchesFileMask(c.name, c.mask), c.matches) << c.name << " " << c.mask;
    EXPECT_TRUE(MatchesAnyMask("a.hex", {"*.log", "*.hex"}));
    EXPECT_FALSE(MatchesAnyMask("a.hex", {}));
}

TEST(FileFilter, DefaultExtensionsLoseTheirStarAndDot) {
    for (auto [given, kept] : {std::pair{"*.kml", "kml"}, std::pair{".kml", "kml"}, std::pair{"kml", "kml"},
                               std::pair{"", ""}, std::pair{"*.*", ""}, std::pair{" .log ", "log"}})
        EXPECT_EQ(NormalizeDefaultExt(given), kept) << given;
}

TEST(FileChoice, WhatTheTypedNameLeadsTo) {
    TempFolder temp;
    temp.Write("flight1.log", "x");
    std::filesystem::create_directory(temp.Path() / "logs");
    const std::string folder = temp.Path().string();
    auto in = [&](const char* name) { return (temp.Path() / name).lexically_normal().string(); };
    using K = TFileChoiceKind;
    using O = TOpenOption;
    const struct {
        const char* typed;
        const char* ext;
        TOpenOptions options;
        bool saving;
        K kind;
        std::string path;
        const char* message;  // a part of it
    } cases[] = {
        {"", "", {}, false, K::fcNothing, "", ""},
        {"   ", "", {}, true, K::fcNothing, "", ""},
        {"*.log", "", {}, false, K::fcFilter, "*.log", ""},
        {"logs", "log", {}, false, K::fcOpenFolder, in("logs"), ""},
        {"logs", "", {}, true, K::fcOpenFolder, in("logs"), ""},
        {"flight1", "log", {O::ofFileMustExist}, false, K::fcAccept, in("flight1.log"), ""},
        {"flight2", "log", {O::ofFileMustExist}, false, K::fcRefuse, in("flight2.log"), "flight2.log\nФайл не найден."},
        {"flight2.log", "", {}, false, K::fcAccept, in("flight2.log"), ""},
        {"flight2.log", "", {O::ofCreatePrompt}, false, K::fcAskCreate, in("flight2.log"), "Do you want to create it?"},
        {"missing/x.log", "", {O::ofPathMustExist}, false, K::fcRefuse, in("missing/x.log"), "Путь не существует."},
        {"missing/x.log", "", {}, true, K::fcRefuse, in("missing/x.log"), "Путь не существует."},
        {"flight1.log", "", {O::ofOverwritePrompt}, true, K::fcAskOverwrite, in("flight1.log"),
         "flight1.log уже существует.\nЗаменить его?"},
        {"flight1.log", "", {}, true, K::fcAccept, in("flight1.log"), ""},
        {"track", "*.kml", {O::ofOverwritePrompt}, true, K::fcAccept, in("track.kml"), ""},
        {"track.gpx", "kml", {}, true, K::fcAccept, in("track.gpx"), ""},
        {"logs/../flight1.log", "", {O::ofFileMustExist}, false, K::fcAccept, in("flight1.log"), ""},
        {" flight1.log ", "", {O::ofFileMustExist}, false, K::fcAccept, in("flight1.log"), ""},
    };
    for (const auto& c : cases) {
        TFileChoice choice = ResolveFileChoice(folder, c.typed, c.ext, c.options, c.saving);
        EXPECT_EQ(choice.Kind, c.kind) << "'" << c.typed << "' saving " << c.saving;
        if (!c.path.empty()) {
            EXPECT_EQ(choice.Path, c.path) << c.typed;
        }
        EXPECT_NE(choice.Message.find(c.message), std::string::npos) << c.typed << ": " << choice.Message;
    }
    // An absolute name ignores the folder shown.
    TFileChoice absolute = ResolveFileChoice("/nonexistent", in("flight1.log"), "", {O::ofFileMustExist}, false);
    EXPECT_EQ(absolute.Kind, K::fcAccept);
    EXPECT_EQ(absolute.Path, in("flight1.log"));
}

}  // namespace
