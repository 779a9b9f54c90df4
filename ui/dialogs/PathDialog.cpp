#include "ui/dialogs/PathDialog.h"

#include "ui/controls/Button.h"
#include "ui/controls/TreeView.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/TextCase.h"
#include "ui/forms/Form.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Margin = 8, ButtonWidth = 75, ButtonHeight = 25, TreeWidth = 320, TreeHeight = 300;

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The sub-folders of `folder`, sorted without regard to case; unreadable ones are left out.
std::vector<std::string> SubFolders(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
         !error && it != end; it.increment(error)) {
        std::error_code kindError;
        if (it->is_directory(kindError)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return AnsiCompareText(a, b) < 0; });
    return names;
}

// The folder a node stands for: its texts from the top node down.
fs::path NodePath(const TTreeNode* node) {
    std::vector<std::string> parts;
    for (; node; node = node->Parent()) parts.push_back(node->Text());
    fs::path path;
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) path /= *it;
    return path;
}

// The tree's children of a folder node, made the first time it opens.
void FillFolderNode(TTreeNodes& nodes, TTreeNode* node) {
    if (node->Count() > 0) return;
    for (const std::string& name : SubFolders(NodePath(node))) nodes.AddChild(node, name)->SetHasChildren(true);
}

// Opens the tree down to `start` and selects it; the top folder when it is not a folder.
void SelectStart(TTreeView& tree, const std::string& start) {
    TTreeNode* node = tree.Items().GetFirstNode();
    std::error_code error;
    fs::path target = start.empty() ? fs::path() : fs::weakly_canonical(fs::absolute(start, error), error);
    if (!start.empty() && !error && IsFolder(target)) {
        for (const fs::path& part : target.relative_path()) {
            if (part.empty()) continue;
            if (!node->Expand()) break;
            TTreeNode* child = nullptr;
            for (int i = 0; i < node->Count() && !child; ++i)
                if (node->Item(i)->Text() == part.string()) child = node->Item(i);
            if (!child) break;
            node = child;
        }
    }
    tree.Items().Select(node);
}

}  // namespace

const TClassInfo& TPathDialog::StaticClass() {
    static const TClassInfo info = TPublished<TPathDialog>("TPathDialog", TCommonDialog::StaticClass()).Build();
    return info;
}

TPathDialog::TPathDialog(TComponent* owner) : TCommonDialog(owner) {}

bool TPathDialog::Execute() {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    form->SetBorderIcons({TBorderIcon::biSystemMenu});
    form->SetPosition(TPosition::poScreenCenter);
    form->SetCaption(Caption.empty() ? "Выбор папки" : Caption);
    form->SetColor(clBtnFace);
    form->SetClientSize(TreeWidth + 2 * Margin, TreeHeight + ButtonHeight + 3 * Margin);

    auto* tree = new TTreeView(form.get());
    tree->SetName("Folders");
    tree->SetParent(form.get());
    tree->SetBounds(Margin, Margin, TreeWidth, TreeHeight);
    tree->ShowRoot = ShowRootBtns;
    tree->HideSelection = false;
    tree->ReadOnly = true;  // folders are chosen here, not renamed
    tree->OnExpanding = [tree](TObject*, TTreeNode* node, bool&) { FillFolderNode(tree->Items(), node); };

    const int buttonTop = TreeHeight + 2 * Margin;
    auto* ok = new TButton(form.get());
    ok->SetName("OK");
    ok->SetParent(form.get());
    ok->SetCaption("OK");
    ok->SetBounds(Margin + TreeWidth - 2 * ButtonWidth - Margin, buttonTop, ButtonWidth, ButtonHeight);
    ok->SetDefault(true);
    ok->ModalResult = mrOk;
    auto* cancel = new TButton(form.get());
    cancel->SetName("Cancel");
    cancel->SetParent(form.get());
    cancel->SetCaption("Отмена");
    cancel->SetBounds(Margin + TreeWidth - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    cancel->Cancel = true;
    cancel->ModalResult = mrCancel;

    TTreeNode* top = tree->Items().Add(nullptr, fs::path("/").root_directory().string());
    top->SetHasChildren(true);
    top->Expand();
    SelectStart(*tree, Path);
    form->OnShow = [tree](TObject*) { tree->SetFocus(); };

    if (!RunModal(*form) || !tree->Selected()) return false;
    fs::path chosen = NodePath(tree->Selected());
    if (!IsFolder(chosen)) return false;
    Path = chosen.string();
    return true;
}
