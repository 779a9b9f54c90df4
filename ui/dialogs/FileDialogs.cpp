#include "ui/dialogs/FileDialogs.h"

#include "ui/controls/Button.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Label.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/SpeedButton.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/TextCase.h"
#include "ui/dialogs/FileFilter.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/dialogs/PlaceControl.h"
#include "ui/forms/Form.h"

#include "platform/window/Input.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;

namespace {

const TEnumInfo& OpenOptionInfo() {
    static const TEnumInfo info(
        "TOpenOption",
        {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp", "ofNoValidate",
         "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt",
         "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
         "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing",
         "ofDontAddToRecent", "ofForceShowHidden"});
    return info;
}

constexpr int Margin = 8, ListWidth = 444, ListHeight = 200, ButtonWidth = 82, ButtonHeight = 25, FieldLeft = 96,
              FieldWidth = 262;

struct Entry {
    std::string name;
    bool folder;
};

// The folder's sub-folders and the files that match, each sorted without
// regard to case; hidden ones (a leading dot) only when asked for.
std::vector<Entry> ListFolder(const fs::path& folder, const std::vector<std::string>& masks, bool hidden) {
    std::vector<Entry> folders, files;
    std::error_code error;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
         !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (!hidden && !name.empty() && name[0] == '.') continue;
        std::error_code kindError;
        if (it->is_directory(kindError)) folders.push_back({name, true});
        else if (masks.empty() || MatchesAnyMask(name, masks)) files.push_back({name, false});
    }
    auto byName = [](const Entry& a, const Entry& b) { return AnsiCompareText(a.name, b.name) < 0; };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    folders.insert(folders.end(), files.begin(), files.end());
    return folders;
}

// The dialog's form and what it does; Run gives the accepted file, or nothing.
class FileBrowser {
public:
    FileBrowser(TOpenDialog& dialog, bool saving, const std::string& title) : dialog_(dialog), saving_(saving) {
        filters_ = ParseFileFilter(dialog.Filter);
        Build(title);
    }

    TForm& Form() { return *form_; }
    const std::string& Chosen() const { return chosen_; }
    int FilterIndex() const { return types_->ItemIndex() + 1; }

    void Start() {
        fs::path start;
        std::error_code error;
        fs::path initial = dialog_.InitialDir;
        fs::path ofName = fs::path(dialog_.FileName).parent_path();
        if (!dialog_.InitialDir.empty() && fs::is_directory(initial, error)) start = initial;
        else if (!ofName.empty() && fs::is_directory(ofName, error)) start = ofName;
        else start = fs::current_path(error);
        name_->SetText(fs::path(dialog_.FileName).filename().string());
        int index = std::clamp(dialog_.FilterIndex, 1, std::max<int>(1, static_cast<int>(filters_.size()))) - 1;
        if (!filters_.empty()) types_->SetItemIndex(index);
        masks_ = filters_.empty() ? std::vector<std::string>() : filters_[static_cast<std::size_t>(index)].Masks;
        Open(fs::absolute(start, error).lexically_normal());
    }

private:
    void Build(const std::string& title) {
        form_ = std::make_unique<TForm>(nullptr);
        TForm* f = form_.get();
        f->SetBorderStyle(TFormBorderStyle::bsDialog);
        f->SetBorderIcons({TBorderIcon::biSystemMenu});
        f->SetPosition(TPosition::poScreenCenter);
        f->SetCaption(title);
        f->SetColor(clBtnFace);
        f->SetClientSize(ListWidth + 2 * Margin, ListHeight + 2 * ButtonHeight + 5 * Margin + 22);

        PlaceControl<TLabel>(f, "LookIn", Margin, Margin + 3)->SetCaption("Папка:");
        folderLabel_ = PlaceControl<TLabel>(f, "Folder", FieldLeft, Margin + 3);
        folderLabel_->SetShowAccelChar(false);
        auto* up = PlaceControl<TSpeedButton>(f, "Up", Margin + ListWidth - 30, Margin, 30, 22);
        up->SetCaption("..");
        up->OnClick = [this](TObject*) { GoUp(); };

        int listTop = Margin + 22 + Margin / 2;
        list_ = PlaceControl<TListBox>(f, "Files", Margin, listTop, ListWidth, ListHeight);
        list_->OnClick = [this](TObject*) { Picked(); };
        list_->OnDblClick = [this](TObject*) { Confirm(true); };
        list_->OnKeyDown = [this](TObject*, platform::WORD& key, TShiftState) {
            if (key == platform::VK_BACK) {
                GoUp();
                key = 0;
            }
        };

        int row1 = listTop + ListHeight + Margin, row2 = row1 + ButtonHeight + Margin / 2;
        auto* nameLabel = PlaceControl<TLabel>(f, "NameLabel", Margin, row1 + 4);
        nameLabel->SetCaption("&Имя файла:");
        name_ = PlaceControl<TEdit>(f, "FileName", FieldLeft, row1 + 1, FieldWidth);
        nameLabel->FocusControl = name_;
        auto* typeLabel = PlaceControl<TLabel>(f, "TypeLabel", Margin, row2 + 4);
        typeLabel->SetCaption("&Тип файла:");
        types_ = PlaceControl<TComboBox>(f, "FileType", FieldLeft, row2 + 1, FieldWidth);
        types_->SetStyle(TComboBoxStyle::csDropDownList);
        typeLabel->FocusControl = types_;
        for (const TFileFilterEntry& e : filters_) types_->AddItem(e.Description);
        types_->OnChange = [this](TObject*) {
            int i = types_->ItemIndex();
            if (i >= 0 && i < static_cast<int>(filters_.size())) masks_ = filters_[static_cast<std::size_t>(i)].Masks;
            Open(folder_);
        };

        auto* ok = PlaceControl<TButton>(f, "OK", Margin + ListWidth - ButtonWidth, row1, ButtonWidth, ButtonHeight);
        ok->SetCaption(saving_ ? "&Сохранить" : "&Открыть");
        ok->SetDefault(true);
        ok->OnClick = [this](TObject*) { Confirm(false); };
        auto* cancel = PlaceControl<TButton>(f, "Cancel", Margin + ListWidth - ButtonWidth, row2, ButtonWidth, ButtonHeight);
        cancel->SetCaption("Отмена");
        cancel->Cancel = true;
        cancel->ModalResult = mrCancel;
        f->OnShow = [this](TObject*) { name_->SetFocus(); };
    }

    void Open(const fs::path& folder) {
        folder_ = folder;
        folderLabel_->SetCaption(folder.string());
        entries_ = ListFolder(folder, masks_, dialog_.Options.Contains(TOpenOption::ofForceShowHidden));
        list_->Items().Clear();
        for (const Entry& e : entries_) list_->AddItem(e.folder ? "[" + e.name + "]" : e.name);
    }

    void GoUp() {
        if (folder_.has_relative_path()) Open(folder_.parent_path());
    }

    const Entry* Selected() const {
        int i = list_->ItemIndex();
        return i >= 0 && i < static_cast<int>(entries_.size()) ? &entries_[static_cast<std::size_t>(i)] : nullptr;
    }

    void Picked() {
        if (const Entry* e = Selected(); e && !e->folder) name_->SetText(e->name);
    }

    // From the OK button (or Enter), or a double click in the list.
    void Confirm(bool fromList) {
        const Entry* e = Selected();
        if (e && e->folder && (fromList || list_->Focused())) {
            Open(folder_ / e->name);
            return;
        }
        if (fromList && e) name_->SetText(e->name);
        TFileChoice choice =
            ResolveFileChoice(folder_.string(), name_->Text(), dialog_.DefaultExt(), dialog_.Options, saving_);
        switch (choice.Kind) {
            case TFileChoiceKind::fcNothing: return;
            case TFileChoiceKind::fcOpenFolder:
                name_->SetText("");
                Open(choice.Path);
                return;
            case TFileChoiceKind::fcFilter:
                masks_ = {choice.Path};
                Open(folder_);
                return;
            case TFileChoiceKind::fcRefuse:
                MessageDlg(choice.Message, TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
                return;
            case TFileChoiceKind::fcAskOverwrite:
            case TFileChoiceKind::fcAskCreate:
                if (MessageDlg(choice.Message, TMsgDlgType::mtConfirmation, mbYesNo) != mrYes) return;
                break;
            case TFileChoiceKind::fcAccept: break;
        }
        bool canClose = true;
        chosen_ = choice.Path;
        FireEvent(dialog_.OnCanClose, &dialog_, canClose);
        if (!canClose) {
            chosen_.clear();
            return;
        }
        form_->ModalResult = mrOk;
    }

    TOpenDialog& dialog_;
    bool saving_;
    std::vector<TFileFilterEntry> filters_;
    std::vector<std::string> masks_;
    std::unique_ptr<TForm> form_;
    TLabel* folderLabel_ = nullptr;
    TListBox* list_ = nullptr;
    TEdit* name_ = nullptr;
    TComboBox* types_ = nullptr;
    fs::path folder_;
    std::vector<Entry> entries_;
    std::string chosen_;
};

}  // namespace

const TClassInfo& TOpenDialog::StaticClass() {
    static const TClassInfo info =
        TPublished<TOpenDialog>("TOpenDialog", TCommonDialog::StaticClass())
            .String("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt)
            .String("FileName", &TOpenDialog::FileName, &TOpenDialog::FileName)
            .String("Filter", &TOpenDialog::Filter, &TOpenDialog::Filter)
            .Integer("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::FilterIndex, 1)
            .String("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::InitialDir)
            .Set("Options", OpenOptionInfo(), &TOpenDialog::Options, &TOpenDialog::Options,
                 TOpenOptions{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing}.Mask())
            .String("Title", &TOpenDialog::Title, &TOpenDialog::Title)
            .Build();
    return info;
}

const TClassInfo& TSaveDialog::StaticClass() {
    static const TClassInfo info = TPublished<TSaveDialog>("TSaveDialog", TOpenDialog::StaticClass()).Build();
    return info;
}

TOpenDialog::TOpenDialog(TComponent* owner) : TCommonDialog(owner) {}

void TOpenDialog::SetDefaultExt(const std::string& ext) { defaultExt_ = NormalizeDefaultExt(ext); }

bool TOpenDialog::Execute() {
    FileBrowser browser(*this, Saving(), Title.empty() ? (Saving() ? "Сохранить как" : "Открыть") : Title);
    browser.Start();
    if (!RunModal(browser.Form()) || browser.Chosen().empty()) return false;
    FileName = browser.Chosen();
    files_.Clear();
    files_.Add(FileName);
    if (browser.FilterIndex() > 0) FilterIndex = browser.FilterIndex();
    std::string ext = fs::path(FileName).extension().string();
    if (!ext.empty()) ext.erase(0, 1);
    if (!defaultExt_.empty() && !AnsiSameText(ext, defaultExt_)) Options.Include(TOpenOption::ofExtensionDifferent);
    else Options.Exclude(TOpenOption::ofExtensionDifferent);
    return true;
}
