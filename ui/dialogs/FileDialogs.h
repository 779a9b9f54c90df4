#pragma once
// The open and save dialogs as our own modal forms: the folder's entries
// (folders first, files by the chosen filter), the file name, the filter
// list, and the checks the options ask for when the user confirms (the
// file must exist, overwrite and create questions). The process's current
// folder is never changed; with no InitialDir the dialog opens at the
// folder of FileName, else at the current folder.

#include "ui/core/StringList.h"
#include "ui/dialogs/CommonDialog.h"
#include "ui/dialogs/FileChoice.h"
#include "ui/forms/Form.h"

#include <string>

class TOpenDialog : public TCommonDialog {
    DECLARE_CLASS_INFO
public:
    explicit TOpenDialog(TComponent* owner);

    // Kept without "*." or ".": "*.kml" is "kml".
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& ext);
    std::string FileName;
    // The chosen files after a confirmed Execute.
    TStrings* Files() { return &files_; }
    std::string Filter;
    // 1-based; the one chosen after a confirmed Execute.
    int FilterIndex = 1;
    std::string InitialDir;
    TOpenOptions Options{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing};
    // The caption; empty: "Open" or "Save As".
    std::string Title;
    // Asked before a confirmed choice closes the dialog; false keeps it open.
    TCloseQueryEvent OnCanClose;

    bool Execute() override;

protected:
    virtual bool Saving() const { return false; }

private:
    std::string defaultExt_;
    TStringList files_;
};

class TSaveDialog : public TOpenDialog {
    DECLARE_CLASS_INFO
public:
    using TOpenDialog::TOpenDialog;

protected:
    bool Saving() const override { return true; }
};
