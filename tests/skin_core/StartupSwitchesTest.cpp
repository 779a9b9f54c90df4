#include "EffectsSkinFixture.h"

#include "skin/core/manager/SkinCommands.h"
#include "skin/core/startup/MainWindowHook.h"
#include "skin/core/startup/StartupSwitches.h"

#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include "platform/display/Display.h"
#include "platform/window/CopyData.h"
#include "platform/window/MessageQueue.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class StartupSwitches : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    StartupSwitches() {
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string&, unsigned) {
            shown.push_back(text);
            return 1;
        });
    }
    ~StartupSwitches() override {
        Application->SetMessageBoxFunction(nullptr);
        ResetStartupSwitches();
        EditorSkinMode = 0;
    }
    std::vector<std::string> shown;
};

TEST_F(StartupSwitches, VersionInAnyCaseOncePreviewOnlyExactlyFirst) {
    struct Case {
        std::vector<std::string> parameters;
        std::size_t versions;
        bool preview;
    };
    for (const Case& c : {Case{{"/SKVER", "/skver"}, 1, false}, Case{{"/skpreview"}, 0, true},
                          Case{{"/SKPREVIEW"}, 0, false}, Case{{"x", "/skpreview"}, 0, false}, Case{{}, 0, false}}) {
        shown.clear();
        ApplyStartupSwitches(c.parameters);
        EXPECT_EQ(shown.size(), c.versions) << c.parameters.size();
        if (c.versions) {
            EXPECT_EQ(shown.front(), "Skin engine v1.0");
        }
        EXPECT_EQ(PreviewRequested(), c.preview);
    }
}

// The editor's window as this program finds it: it takes the offered window on the given try.
class TEditorWindow : public TForm {
public:
    TEditorWindow(int acceptOnTry) : TForm(nullptr), acceptOnTry_(acceptOnTry) {
        SetCaption("Skin Editor");
        HandleNeeded();
    }
    std::vector<platform::LPARAM> offers;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == kEditorMessage && message.WParam == kEditorOffersWindow) {
            offers.push_back(message.LParam);
            message.Result = static_cast<int>(offers.size()) == acceptOnTry_ ? 1 : 0;
            return;
        }
        TForm::WndProc(message);
    }

private:
    int acceptOnTry_;
};

TEST_F(StartupSwitches, PreviewOffersTheWindowUntilTheEditorTakesItAndOnlyOnce) {
    TForm main(nullptr);
    ApplyStartupSwitches({"/skpreview"});
    {
        TEditorWindow editor(3);
        SendPreviewHandle(main.Handle());
        EXPECT_EQ(editor.offers, std::vector<platform::LPARAM>(3, reinterpret_cast<platform::LPARAM>(main.Handle())));
        EXPECT_EQ(PreviewWindow(), main.Handle());
        SendPreviewHandle(main.Handle());
        EXPECT_EQ(editor.offers.size(), 3u);
    }
    ResetStartupSwitches();
    ApplyStartupSwitches({"/skpreview"});
    TEditorWindow stubborn(0);
    SendPreviewHandle(main.Handle());
    EXPECT_EQ(stubborn.offers.size(), 101u) << "at most 101 tries";
}

class EditorSkin : public StartupSwitches {
protected:
    // The editor's record; the options say 9 fading steps, the folder's own file 5.
    std::vector<char> Record(std::int32_t id, const std::string& options) {
        std::vector<char> bytes(kEditorRecordSize + 16, '\0');
        std::memcpy(bytes.data(), &id, sizeof id);
        std::memcpy(bytes.data() + 4, "Fx", 2);
        const std::string folder = skin_.Folder();
        std::memcpy(bytes.data() + 4 + kEditorNameSize, folder.data(), folder.size());
        std::memcpy(bytes.data() + 4 + kEditorNameSize + kEditorFolderSize, options.data(), options.size());
        return bytes;
    }
    platform::LRESULT Deliver(std::vector<char>& bytes, platform::WPARAM wParam, std::size_t size) {
        platform::COPYDATASTRUCT data{0, static_cast<platform::DWORD>(size), bytes.data()};
        TMessage message{platform::WM_COPYDATA, wParam, reinterpret_cast<platform::LPARAM>(&data), 0};
        ReceiveEditorSkin(message, manager_);
        return message.Result;
    }
    int Iterations() const {
        return manager_.Skin().GeneralData.at(std::size_t(manager_.FindSectionIndex("BUTTON"))).FadingIterations;
    }
    static std::string Options(int iterations) {
        return "[GLOBALINFO]\r\nVERSION=7.50\r\nMASTERBITMAP=MASTER.BMP\r\n[BUTTON]\r\nFADINGITERATIONS=" +
               std::to_string(iterations) + "\r\n";
    }

    TSkinManager manager_{nullptr};
    TEffectsSkin skin_{manager_};
};

TEST_F(EditorSkin, AppliesTheSkinItCarriesFromItsFolderBeforeAPackedFile) {
    skin_.WritePackage("Fx.skz", Options(3));
    ASSERT_EQ(Iterations(), 5);
    std::vector<char> bytes = Record(kEditorRecordId, Options(9));
    EXPECT_EQ(Deliver(bytes, kEditorSendsSkin, bytes.size()), 1);
    EXPECT_EQ(EditorSkinMode, 1);
    EXPECT_EQ(Iterations(), 9);
    EXPECT_EQ(EditorOptionsText(), nullptr) << "kept only while the skin is applied";
    bytes = Record(kEditorRecordId, Options(7));
    EXPECT_EQ(Deliver(bytes, kEditorSendsSkin, kEditorRecordSize), 1);
    EXPECT_EQ(Iterations(), 7);
    EXPECT_EQ(EditorSkinMode, 1);
    EXPECT_EQ(skin_.errors, "");
}

TEST_F(EditorSkin, IgnoresOtherRecords) {
    struct Case {
        const char* name;
        std::int32_t id;
        platform::WPARAM wParam;
        std::size_t size;
    };
    for (const Case& c : {Case{"another id", 0xA401, kEditorSendsSkin, kEditorRecordSize},
                          Case{"another wParam", kEditorRecordId, 6, kEditorRecordSize},
                          Case{"short block", kEditorRecordId, kEditorSendsSkin, kEditorRecordSize - 1}}) {
        std::vector<char> bytes = Record(c.id, Options(9));
        EXPECT_EQ(Deliver(bytes, c.wParam, c.size), 0) << c.name;
        EXPECT_EQ(Iterations(), 5) << c.name;
        EXPECT_EQ(EditorSkinMode, 0) << c.name;
    }
}

TEST(MainWindowHook, SwallowsThemeChangesAndRedrawsFormsOnActivation) {
    platform::testing::UseHeadlessDisplay();
    TSkinManager manager(nullptr);
    TMessage theme{platform::WM_THEMECHANGED, 0, 0, 0};
    EXPECT_TRUE(MainWindowHook(manager, theme));
    struct TCountingForm : TForm {
        using TForm::TForm;
        int redraws = 0;
        void WndProc(TMessage& m) override {
            if (m.Msg == SkinCommandMsg && SkinCommandOf(m.WParam) == ScRedrawNow) ++redraws;
            TForm::WndProc(m);
        }
    } form(nullptr);
    form.HandleNeeded();
    TMessage activate{CM_ACTIVATE, 0, 0, 0};
    EXPECT_FALSE(MainWindowHook(manager, activate));
    EXPECT_EQ(form.redraws, 1);
}

}  // namespace
