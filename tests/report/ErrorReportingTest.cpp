#include "report/objects/Report.h"
#include "report/utils/ErrorReporting.h"
#include "ui/core/Exceptions.h"
#include "ui/forms/Application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Shown {
    std::string text, caption;
    unsigned flags;
};

struct ErrorReporting : ::testing::Test {
    std::vector<Shown> shown;
    void SetUp() override {
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string& caption, unsigned flags) {
            shown.push_back({text, caption, flags});
            return 1;
        });
    }
    void TearDown() override { Application->SetMessageBoxFunction(nullptr); }
};

TEST_F(ErrorReporting, TheSilentModeChoosesBoxNothingOrException) {
    const struct {
        TrpSilentMode mode;
        int boxes;
        bool raises;
    } cases[] = {
        {TrpSilentMode::simMessageBoxes, 1, false},
        {TrpSilentMode::simSilent, 0, false},
        {TrpSilentMode::simReThrow, 0, true},
    };
    for (const auto& c : cases) {
        shown.clear();
        TrpReport report(nullptr);
        report.EngineOptions().NewSilentMode = c.mode;
        bool raised = false;
        try {
            rpReportError(report, "Нет страницы Page1");
        } catch (const Exception& e) {
            raised = true;
            EXPECT_EQ(e.Message(), "Нет страницы Page1");
        }
        EXPECT_EQ(raised, c.raises) << static_cast<int>(c.mode);
        ASSERT_EQ(static_cast<int>(shown.size()), c.boxes) << static_cast<int>(c.mode);
        if (c.boxes) {
            EXPECT_EQ(shown[0].text, "Нет страницы Page1");
            EXPECT_EQ(shown[0].caption, "Error");
            EXPECT_EQ(shown[0].flags & 0xF0u, MB_ICONERROR);
        }
    }
}

TEST_F(ErrorReporting, SilentModeIsAViewOfTheNewSwitch) {
    TrpEngineOptions options;
    EXPECT_FALSE(options.SilentMode());
    options.SetSilentMode(true);
    EXPECT_EQ(options.NewSilentMode, TrpSilentMode::simSilent);
    options.NewSilentMode = TrpSilentMode::simReThrow;
    EXPECT_FALSE(options.SilentMode());
    options.SetSilentMode(false);
    EXPECT_EQ(options.NewSilentMode, TrpSilentMode::simMessageBoxes);
}

}  // namespace
