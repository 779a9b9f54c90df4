#pragma once
// The main window and the viewer windows it reaches, made as the program
// makes them, on the headless display, keeping settings.ini in a folder of
// the test. Message boxes are noted instead of shown.

#include "device/forms/FirmwareForm.h"
#include "device/forms/LogFilesForm.h"
#include "settings/singlestage/SingleStageSettingsForm.h"
#include "tests/device/MessagePump.h"
#include "tests/device/WindowDriving.h"
#include "tests/support/TempFolder.h"
#include "ui/forms/Application.h"
#include "viewer/eventmarkers/EventMarkerForm.h"
#include "viewer/forms/AboutForm.h"
#include "viewer/forms/ChartSettingsForm.h"
#include "viewer/forms/EventListForm.h"
#include "viewer/forms/LineWidthForm.h"
#include "viewer/forms/ViewOptionsForm.h"
#include "viewer/mainform/MainForm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class MainWindowFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    MainWindowFixture() {
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string&, unsigned) {
            boxes.push_back(text);
            return 1;
        });
        Create();
    }
    ~MainWindowFixture() override {
        Destroy();
        Application->SetMessageBoxFunction(nullptr);
    }
    // The program ends and starts again with the same settings folder.
    void Restart() {
        Destroy();
        Create();
    }
    void Create() {
        Form2 = new TForm2(nullptr);
        Form4 = new TForm4(nullptr);
        Form5 = new TForm5(nullptr);
        Form8 = new TForm8(nullptr);
        Form9 = new TForm9(nullptr);
        Form11 = new TForm11(nullptr);
        Form19 = new TForm19(nullptr);
        Form13 = new TForm13(nullptr);
        Form1 = new TForm1(nullptr);
        Form1->SettingsFolder = folder.Path().string();
        // Its balloon is the one the markers borrow.
        Form14 = new TForm14(nullptr);
    }
    void Destroy() {
        delete Form1;
        for (TForm* form : std::vector<TForm*>{Form2, Form4, Form5, Form8, Form9, Form11, Form19, Form13, Form14}) delete form;
        Form1 = nullptr, Form2 = nullptr, Form4 = nullptr, Form5 = nullptr, Form8 = nullptr, Form9 = nullptr, Form11 = nullptr;
        Form19 = nullptr, Form13 = nullptr, Form14 = nullptr;
        RunMessages();
    }
    void WriteSettings(const std::string& text) { folder.Write("settings.ini", text); }
    std::string SettingsFile() const { return (folder.Path() / "settings.ini").string(); }
    // A key pressed and released, and what it sets off.
    static void Press(platform::UINT key) {
        platform::testing::PressKey(key);
        platform::testing::ReleaseKey(key);
        RunMessages();
    }
    static void Focus(TWinControl* control) {
        control->SetFocus();
        RunMessages();
    }
    void Show() {
        Form1->Show();
        RunMessages();
    }
    // "Открыть файл" with the file's name typed into the open dialog.
    std::string OpenLog(const std::filesystem::path& file) {
        Form1->skOpenDialog1->InitialDir = file.parent_path().string();
        const std::string name = file.filename().string();
        ModalAnswer answer(Form1, {platform::VK_RETURN}, [name] { platform::testing::TypeText(name.c_str()); });
        Form1->N30->Click();
        RunMessages();
        return answer.caption;
    }
    TLineSeries& Series(int index) const { return *Form1->ChartSeries[index]; }
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        for (int i = 0; i < Form1->skMemo1->Lines()->Count(); ++i) lines.push_back(Form1->skMemo1->Lines()->Strings(i));
        return lines;
    }

    TempFolder folder;
    std::vector<std::string> boxes;
};
