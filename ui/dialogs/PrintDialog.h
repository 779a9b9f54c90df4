#pragma once
// The print dialog as our own modal form. There is no printer layer yet:
// the dialog names no printer and prints nothing; it lets the user choose
// the page range, the number of copies, collation and printing to a file,
// and Execute confirms those choices.

#include "ui/core/Set.h"
#include "ui/dialogs/CommonDialog.h"

#include <string>

enum class TPrintRange { prAllPages, prSelection, prPageNums };
enum class TPrintDialogOption { poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile };
using TPrintDialogOptions = TSet<TPrintDialogOption>;

// Empty when pages `from` to `to` lie within `minPage`..`maxPage` (a
// maxPage of 0 sets no upper limit) and `from` is not after `to`; else the
// message that says what is allowed.
std::string PageRangeError(int from, int to, int minPage, int maxPage);

class TPrintDialog : public TCommonDialog {
    DECLARE_CLASS_INFO
public:
    explicit TPrintDialog(TComponent* owner);

    // 0 reads as one copy.
    int Copies = 0;
    bool Collate = false;
    int FromPage = 0, ToPage = 0;
    int MinPage = 0, MaxPage = 0;
    TPrintRange PrintRange = TPrintRange::prAllPages;
    bool PrintToFile = false;
    TPrintDialogOptions Options;

    bool Execute() override;
};
