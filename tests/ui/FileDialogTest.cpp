#include "ModalSteps.h"

#include "ui/controls/ListBox.h"
#include "ui/dialogs/FileDialogs.h"

#include "tests/support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

// A folder with flight1.log, notes.txt and the folder logs (with inner.log).
struct FileDialogTest : ModalDialogFixture {
    FileDialogTest() {
        temp.Write("flight1.log", "x");
        temp.Write("notes.txt", "x");
        fs::create_directory(temp.Path() / "logs");
        std::ofstream(temp.Path() / "logs" / "inner.log") << "x";
        root = fs::canonical(temp.Path());
    }
    // Notes the dialog's caption and listed entries before the steps.
    void AnswerWith(std::vector<ModalStep> steps) {
        ModalDialogFixture::AnswerWith(std::move(steps), [this](TCustomForm& dialog) {
            seenCaption = dialog.Caption();
            seenTexts.clear();
            for (int i = 0; i < dialog.ComponentCount(); ++i)
                if (auto* control = dynamic_cast<TControl*>(dialog.Components(i)))
                    if (!control->Caption().empty()) seenTexts.push_back(control->Caption());
            seenEntries.clear();
            if (auto* list = dynamic_cast<TListBox*>(dialog.FindComponent("Files")))
                for (int i = 0; i < list->Items().Count(); ++i) seenEntries.push_back(list->Items().Item(i));
        });
    }
    TempFolder temp;
    fs::path root;
    std::string seenCaption;
    std::vector<std::string> seenEntries;
    std::vector<std::string> seenTexts;  // the captions of the dialog's controls
};

TEST_F(FileDialogTest, TheOpenAndSaveDialogsSpeakRussian) {
    for (bool saving : {false, true}) {
        std::unique_ptr<TOpenDialog> dialog = saving ? std::make_unique<TSaveDialog>(nullptr)
                                                     : std::make_unique<TOpenDialog>(nullptr);
        dialog->InitialDir = root.string();
        AnswerWith({KeyStep(platform::VK_ESCAPE)});
        EXPECT_FALSE(dialog->Execute());
        std::vector<std::string> expected = {"Папка:", "&Имя файла:", "&Тип файла:",
                                             saving ? "&Сохранить" : "&Открыть", "Отмена"};
        for (const std::string& text : expected)
            EXPECT_NE(std::find(seenTexts.begin(), seenTexts.end(), text), seenTexts.end()) << text;
    }
}

TEST_F(FileDialogTest, OpensAFileByItsTypedName) {
    TOpenDialog open(nullptr);
    open.Filter = "Log file|*.log|Any file|*.*";
    open.SetDefaultExt("*.log");
    open.InitialDir = root.string();
    open.Options.Include(TOpenOption::ofFileMustExist);
    int shown = 0, closed = 0;
    open.OnShow = [&](TObject*) { ++shown; };
    open.OnClose = [&](TObject*) { ++closed; };
    AnswerWith({TypeStep("flight1"), KeyStep(platform::VK_RETURN)});
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(seenCaption, "Открыть");
    // Folders first, then the files of the first filter.
    EXPECT_EQ(seenEntries, (std::vector<std::string>{"[logs]", "flight1.log"}));
    EXPECT_EQ(open.FileName, (root / "flight1.log").string());
    ASSERT_EQ(open.Files()->Count(), 1);
    EXPECT_EQ(open.Files()->Strings(0), open.FileName);
    EXPECT_FALSE(open.Options.Contains(TOpenOption::ofExtensionDifferent));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(closed, 1);
    // The process's folder stays where it was.
    EXPECT_NE(fs::current_path(), root);
}

TEST_F(FileDialogTest, EscapeLeavesTheFileNameAlone) {
    TOpenDialog open(nullptr);
    open.FileName = (root / "notes.txt").string();
    open.FilterIndex = 2;
    open.Filter = "Log file|*.log|Any file|*.*";
    open.Title = "Открыть журнал";
    AnswerWith({TypeStep("flight1.log"), KeyStep(platform::VK_ESCAPE)});
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(seenCaption, "Открыть журнал");
    // No InitialDir: the folder of FileName, listed by the second filter.
    EXPECT_EQ(seenEntries, (std::vector<std::string>{"[logs]", "flight1.log", "notes.txt"}));
    EXPECT_EQ(open.FileName, (root / "notes.txt").string());
}

TEST_F(FileDialogTest, AFolderTypedOpensAndTheNextNameIsInIt) {
    TOpenDialog open(nullptr);
    open.InitialDir = root.string();
    AnswerWith({TypeStep("logs"), KeyStep(platform::VK_RETURN), TypeStep("inner.log"), KeyStep(platform::VK_RETURN)});
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName, (root / "logs" / "inner.log").string());
}

TEST_F(FileDialogTest, QuestionsAndRefusalsKeepTheDialogOpen) {
    using namespace platform;
    const struct {
        bool saving;
        TOpenOptions options;
        const char* typed;
        std::vector<UINT> keys;  // after the typed name
        bool confirmed;
        const char* chosen;
    } cases[] = {
        // The overwrite question: No keeps the dialog, Yes takes the file.
        {true, {TOpenOption::ofOverwritePrompt}, "flight1.log", {VK_RETURN, VK_ESCAPE, VK_ESCAPE}, false, ""},
        {true, {TOpenOption::ofOverwritePrompt}, "flight1.log", {VK_RETURN, VK_RETURN}, true, "flight1.log"},
        // A missing file is refused: OK on the warning, then Escape.
        {false, {TOpenOption::ofFileMustExist}, "flight9.log", {VK_RETURN, VK_RETURN, VK_ESCAPE}, false, ""},
        {false, {TOpenOption::ofCreatePrompt}, "new.log", {VK_RETURN, VK_RETURN}, true, "new.log"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TOpenDialog> dialog =
            c.saving ? std::make_unique<TSaveDialog>(nullptr) : std::make_unique<TOpenDialog>(nullptr);
        dialog->InitialDir = root.string();
        dialog->Options = c.options;
        std::vector<ModalStep> steps{TypeStep(c.typed)};
        for (UINT k : c.keys) steps.push_back(KeyStep(k));
        AnswerWith(steps);
        EXPECT_EQ(dialog->Execute(), c.confirmed) << c.typed;
        EXPECT_EQ(seenCaption, c.saving ? "Сохранить как" : "Открыть");
        EXPECT_EQ(dialog->FileName, *c.chosen ? (root / c.chosen).string() : "") << c.typed;
    }
}

TEST_F(FileDialogTest, CanCloseMayRefuseTheChoice) {
    TSaveDialog save(nullptr);
    save.InitialDir = root.string();
    save.SetDefaultExt("kml");
    int asked = 0;
    save.OnCanClose = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    AnswerWith({TypeStep("track"), KeyStep(platform::VK_RETURN), KeyStep(platform::VK_RETURN)});
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(save.FileName, (root / "track.kml").string());
}

}  // namespace
