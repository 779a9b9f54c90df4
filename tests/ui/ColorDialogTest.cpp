#include "ModalSteps.h"

#include "ui/controls/Shape.h"
#include "ui/dialogs/ColorCells.h"
#include "ui/dialogs/ColorDialog.h"

namespace {

TEST(ColorText, HexDigitsAndColoursBothWays) {
    const struct {
        const char* text;
        std::optional<TColor> colour;
    } cases[] = {
        {"FF0000", clRed},  {"00ff00", clLime}, {"ColorA=0000FF", clBlue}, {" 808080 ", clGray},
        {"12345", {}},      {"GG0000", {}},     {"", {}},                  {"1234567", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ColorFromHex(c.text), c.colour) << c.text;
    EXPECT_EQ(ColorToHex(clRed), "FF0000");
    EXPECT_EQ(ColorToHex(0x563412), "123456");
    EXPECT_EQ(ColorFromHex(ColorToHex(clBtnFace)), ColorToRGB(clBtnFace));
}

struct ColorDialogTest : ModalDialogFixture {
    TColorDialog dialog{nullptr};
    TColor seenSwatch = clNone;
    bool seenHelp = false;
    void Answer(std::vector<ModalStep> steps) {
        AnswerWith(std::move(steps), [this](TCustomForm& d) {
            seenSwatch = dynamic_cast<TShape*>(d.FindComponent("Swatch"))->Brush()->Color();
            seenHelp = dynamic_cast<TControl*>(d.FindComponent("Help"))->Visible();
        });
    }
};

TEST_F(ColorDialogTest, ArrowsPickABasicColourAndOkTakesIt) {
    dialog.Color = clRed;
    Answer({KeyStep(platform::VK_RIGHT), KeyStep(platform::VK_RIGHT), KeyStep(platform::VK_DOWN),
            KeyStep(platform::VK_RETURN)});
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(seenSwatch, clRed);  // the dialog opens at Color
    EXPECT_FALSE(seenHelp);
    // Red is the fifth cell of the fourth row: two right and one down.
    EXPECT_EQ(dialog.Color, *ColorFromHex("400040"));
}

TEST_F(ColorDialogTest, TheHexEditorSetsTheColour) {
    dialog.Options.Include(TColorDialogOption::cdShowHelp);
    dialog.Color = clBlack;
    // The editor focused; its six digits are deleted and new ones typed.
    std::vector<ModalStep> steps{FocusStep("Hex"), KeyStep(platform::VK_HOME)};
    for (int i = 0; i < 6; ++i) steps.push_back(KeyStep(platform::VK_DELETE));
    steps.push_back(TypeStep("ff0000"));
    steps.push_back(KeyStep(platform::VK_RETURN));
    Answer(steps);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_TRUE(seenHelp);
    EXPECT_EQ(dialog.Color, clRed);
}

TEST_F(ColorDialogTest, CancelKeepsTheColourButNotTheCustomCells) {
    dialog.Color = clNavy;
    dialog.CustomColors()->Add("ColorA=102030");
    dialog.CustomColors()->Add("not a colour");
    Answer({KeyStep(platform::VK_RIGHT), ClickStep("AddCustom"), ClickStep("AddCustom"), KeyStep(platform::VK_ESCAPE)});
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color, clNavy);
    TStrings* customs = dialog.CustomColors();
    ASSERT_EQ(customs->Count(), 16);
    // Navy's right neighbour added twice: the first two cells, over what was there.
    EXPECT_EQ(customs->Strings(0), "0080FF");
    EXPECT_EQ(customs->Strings(1), "0080FF");
    EXPECT_EQ(customs->Strings(2), "FFFFFF");
    EXPECT_EQ(customs->Strings(15), "FFFFFF");
}

TEST_F(ColorDialogTest, CustomColoursComeBackIntoTheirCells) {
    dialog.CustomColors()->Add("102030");
    std::vector<TColor> seen;
    AnswerWith({KeyStep(platform::VK_ESCAPE)}, [&](TCustomForm& d) {
        seen = dynamic_cast<TColorCells*>(d.FindComponent("Custom"))->Colors();
    });
    dialog.Execute();
    ASSERT_EQ(seen.size(), 16u);
    EXPECT_EQ(seen[0], *ColorFromHex("102030"));
    EXPECT_EQ(seen[1], clWhite);
}

}  // namespace
