#include "platform/text/FontMatching.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace platform {
namespace {

std::string FileName(std::string_view face, int weight, bool italic) {
    auto match = MatchFontFile(face, weight, italic);
    return match ? std::filesystem::path(match->path).filename().string() : std::string("(none)");
}

// The files are those of the Debian packages the project installs; the
// table pins the choice, so a change in matching shows here.
TEST(FontMatching, WindowsFaceNamesMapToFixedFiles) {
    struct Case {
        const char* face;
        int weight;
        bool italic;
        const char* file;
    } cases[] = {
        {"Arial", 400, false, "LiberationSans-Regular.ttf"},
        {"Arial", 700, false, "LiberationSans-Bold.ttf"},
        {"arial", 700, true, "LiberationSans-BoldItalic.ttf"},
        {"MS Sans Serif", 0, false, "LiberationSans-Regular.ttf"},
        {"Times New Roman", 400, true, "LiberationSerif-Italic.ttf"},
        {"Courier New", 400, false, "LiberationMono-Regular.ttf"},
        {"Courier New", 700, false, "LiberationMono-Bold.ttf"},
        {"Tahoma", 400, false, "DejaVuSansCondensed.ttf"},
        {"Tahoma", 700, false, "DejaVuSansCondensed-Bold.ttf"},
        {"Verdana", 400, false, "DejaVuSans.ttf"},
        {"Verdana", 400, true, "DejaVuSans-Oblique.ttf"},
        {"Lucida Console", 400, false, "DejaVuSansMono.ttf"},
        {"  Times New Roman ", 400, false, "LiberationSerif-Regular.ttf"},
        {"DejaVu Serif", 400, false, "DejaVuSerif.ttf"},
        {"No Such Face", 400, false, "LiberationSans-Regular.ttf"},
        {"", 400, false, "LiberationSans-Regular.ttf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileName(c.face, c.weight, c.italic), c.file) << c.face << " " << c.weight << " " << c.italic;
    }
}

TEST(FontMatching, HeavierAndLighterWeightsSnapToTheNearestFile) {
    EXPECT_EQ(FileName("Arial", 900, false), "LiberationSans-Bold.ttf");
    EXPECT_EQ(FileName("Arial", 100, false), "LiberationSans-Regular.ttf");
    EXPECT_EQ(FileName("Arial", 600, false), "LiberationSans-Bold.ttf");
}

TEST(FontMatching, SyntheticStylesOnlyWhereTheFamilyLacksAFile) {
    auto bold = MatchFontFile("Arial", 700, true);
    ASSERT_TRUE(bold);
    EXPECT_FALSE(bold->embolden);
    EXPECT_FALSE(bold->slant);
    // DejaVu Sans Mono has every style; nothing is synthesised there either.
    auto mono = MatchFontFile("Consolas", 700, true);
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->family, "DejaVu Sans Mono");
    EXPECT_FALSE(mono->embolden);
}

TEST(FontMatching, SubstituteFamilies) {
    EXPECT_EQ(InstalledFamilyFor("Arial"), "Liberation Sans");
    EXPECT_EQ(InstalledFamilyFor("TIMES NEW ROMAN"), "Liberation Serif");
    EXPECT_EQ(InstalledFamilyFor("Courier New"), "Liberation Mono");
    EXPECT_EQ(InstalledFamilyFor("Tahoma"), "DejaVu Sans Condensed");
    EXPECT_EQ(InstalledFamilyFor("Liberation Mono"), "Liberation Mono");
    EXPECT_EQ(InstalledFamilyFor("Unknown Face"), "Liberation Sans");
}

}  // namespace
}  // namespace platform
