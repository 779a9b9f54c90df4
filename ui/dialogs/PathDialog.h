#pragma once
// The folder chooser: a modal form with a tree of the file system's
// folders, opened at Path when it names an existing folder. Execute is true
// only when the user confirmed a folder that exists; Path then holds it.

#include "ui/dialogs/CommonDialog.h"

#include <string>

class TPathDialog : public TCommonDialog {
    DECLARE_CLASS_INFO
public:
    explicit TPathDialog(TComponent* owner);

    // The dialog's caption; empty: "Select folder".
    std::string Caption;
    // The start folder before Execute, the chosen one after a confirmed Execute.
    std::string Path;
    // Expand buttons beside the top folder too.
    bool ShowRootBtns = false;

    // False on cancel, or when the chosen folder is gone by the time the
    // user confirms; Path is unchanged then.
    bool Execute() override;
};
