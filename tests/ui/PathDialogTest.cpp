#include "ControlFixture.h"

#include "ui/controls/TreeView.h"
#include "ui/dialogs/PathDialog.h"
#include "ui/forms/Screen.h"

#include "platform/window/MessageQueue.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

// A folder tree: alpha, beta/inner, Gamma (one file beside them, never listed).
struct PathDialogTest : ControlFixture {
    PathDialogTest() {
        fs::create_directories(temp.Path() / "alpha");
        fs::create_directories(temp.Path() / "beta" / "inner");
        fs::create_directories(temp.Path() / "Gamma");
        temp.Write("file.txt", "x");
        root = fs::canonical(temp.Path());
    }
    // The running dialog's folder tree.
    static TTreeView* DialogTree() {
        TCustomForm* dialog = Screen->ActiveForm();
        return dialog ? dynamic_cast<TTreeView*>(dialog->FindComponent("Folders")) : nullptr;
    }
    // Rows count the open nodes from the top folder down.
    static int RowOf(TTreeView* tree, const TTreeNode* node) {
        int row = 0;
        for (TTreeNode* n = tree->Items().GetFirstNode(); n && n != node; n = n->GetNextVisible()) ++row;
        return row;
    }
    // Once the dialog runs: notes its caption and the selected node's
    // siblings, runs `before`, then presses the keys.
    void AnswerWith(std::vector<platform::UINT> keys, std::function<void()> before = nullptr) {
        ShowForm();
        auto inner = form->WindowProc;
        form->WindowProc = [this, inner, keys, before](TMessage& m) {
            if (m.Msg != platform::WM_APP + 1) return inner(m);
            TCustomForm* dialog = Screen->ActiveForm();
            seenCaption = dialog ? dialog->Caption() : "";
            TTreeView* tree = DialogTree();
            seenSiblings.clear();
            if (tree && tree->Selected() && tree->Selected()->Parent())
                for (TTreeNode* n = tree->Selected()->Parent()->GetFirstChild(); n; n = n->GetNextSibling())
                    seenSiblings.push_back(n->Text());
            if (before) before();
            for (platform::UINT key : keys) {
                platform::testing::PressKey(key);
                platform::testing::ReleaseKey(key);
            }
        };
        platform::PostMessage(form->Handle(), platform::WM_APP + 1, 0, 0);
    }
    TempFolder temp;
    fs::path root;
    std::string seenCaption;
    std::vector<std::string> seenSiblings;
};

TEST_F(PathDialogTest, OpensAtThePathAndGivesTheConfirmedFolder) {
    using namespace platform;
    const struct {
        const char* start;  // under the temporary folder
        std::vector<UINT> keys;
        bool confirmed;
        const char* chosen;  // Path afterwards, under the temporary folder
    } cases[] = {
        {"beta", {VK_RETURN}, true, "beta"},
        {"beta", {VK_RIGHT, VK_DOWN, VK_RETURN}, true, "beta/inner"},  // opened on demand
        {"alpha", {VK_DOWN, VK_RETURN}, true, "beta"},                  // alpha has no sub-folders
        {"beta/inner", {VK_LEFT, VK_RETURN}, true, "beta"},
        {"beta", {VK_DOWN, VK_ESCAPE}, false, "beta"},                  // cancelled: Path stays
    };
    for (const auto& c : cases) {
        TPathDialog dialog(nullptr);
        dialog.Caption = "Выберите каталог для сохранения";
        dialog.Path = (root / c.start).string();
        AnswerWith(c.keys);
        EXPECT_EQ(dialog.Execute(), c.confirmed) << c.start;
        EXPECT_EQ(dialog.Path, (root / c.chosen).string()) << c.start;
        EXPECT_EQ(seenCaption, "Выберите каталог для сохранения");
    }
    // Folders only, without regard to case.
    EXPECT_EQ(seenSiblings, (std::vector<std::string>{"alpha", "beta", "Gamma"}));
}

TEST_F(PathDialogTest, AStartThatIsNoFolderOpensAtTheTop) {
    for (std::string start : {std::string(), (root / "missing").string(), (root / "file.txt").string()}) {
        TPathDialog dialog(nullptr);
        dialog.Path = start;
        AnswerWith({platform::VK_RETURN});
        EXPECT_TRUE(dialog.Execute()) << start;
        EXPECT_EQ(dialog.Path, "/") << start;
        EXPECT_EQ(seenCaption, "Выбор папки");
    }
}

TEST_F(PathDialogTest, AFolderGoneBeforeConfirmingIsNotGiven) {
    TPathDialog dialog(nullptr);
    dialog.Path = (root / "Gamma").string();
    AnswerWith({platform::VK_RETURN}, [&] { fs::remove(root / "Gamma"); });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Path, (root / "Gamma").string());
}

TEST_F(PathDialogTest, OpensWithTheTopFolderInViewUnlessTheStartLiesBelowTheFirstPage) {
    // "/" is row 0; the temporary folder's "beta/inner" lies as deep as the machine's folders make it.
    for (std::string start : {std::string("/"), (root / "beta" / "inner").string()}) {
        SCOPED_TRACE(start);
        TPathDialog dialog(nullptr);
        dialog.Path = start;
        int topRow = -1, selectedRow = -1, page = 0;
        bool rootOnTop = false;
        AnswerWith({platform::VK_ESCAPE}, [&] {
            TTreeView* tree = DialogTree();
            ASSERT_NE(tree, nullptr);
            ASSERT_NE(tree->Selected(), nullptr);
            topRow = RowOf(tree, tree->TopItem());
            selectedRow = RowOf(tree, tree->Selected());
            page = tree->VisibleRows();
            rootOnTop = tree->TopItem() == tree->Items().GetFirstNode();
        });
        EXPECT_FALSE(dialog.Execute());
        ASSERT_GT(page, 10) << "the view holds many rows";
        // The start is shown; "/" too whenever both fit, else the start sits in the last row.
        EXPECT_EQ(topRow, std::max(0, selectedRow - page + 1));
        EXPECT_EQ(rootOnTop, selectedRow < page);
    }
}

}  // namespace
