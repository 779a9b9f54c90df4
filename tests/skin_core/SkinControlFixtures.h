#pragma once
// Skinned panels over the internal skin: a parent panel and a child inside
// it at (12, 7), each answering the skin command through its skin data.

#include "tools/skingen/InternalSkin.h"

#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/controldata/SkinCommandHandling.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/utils/SkinSystem.h"

#include "tests/support/TempFolder.h"

#include "ui/controls/Panels.h"

#include "platform/display/Display.h"

#include <gtest/gtest.h>

#include <vector>

// A panel that answers the skin command (and the common messages) through
// its skin data and notes every command it gets.
class TSkinnedPanel : public TPanel {
public:
    explicit TSkinnedPanel(TComponent* owner) : TPanel(owner) {}
    TSkCtrlSkinData Data{this, true};
    std::vector<std::uint16_t> Commands;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == SkinCommandMsg) Commands.push_back(SkinCommandOf(message.WParam));
        if (HandleCommonMessage(message, &Data)) return;
        TPanel::WndProc(message);
    }
};

inline platform::LRESULT Command(TControl& control, std::uint16_t command, platform::LPARAM lParam = 0) {
    return control.Perform(SkinCommandMsg, MakeSkinWParam(command), lParam);
}

class SkinControlData : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        SetSkinMessageBoxFunction([](const std::string&, bool) {});
        manager.SetSkinDirectory(folder.Path().string());
        AddClassicInternalSkin(manager);
        manager.SetSkinName("Classic (внутренний)");
        ASSERT_EQ(DefaultSkinManager, &manager);
        parent.SetBounds(0, 0, 200, 100);
        parent.Data.SetSkinSection("PANEL");
        child.SetParent(&parent);
        child.SetBounds(12, 7, 50, 30);
    }
    void TearDown() override { SetSkinMessageBoxFunction(nullptr); }

    TempFolder folder;
    TSkinManager manager{nullptr};
    TSkinnedPanel parent{nullptr};
    TSkinnedPanel child{nullptr};
};
