#pragma once
// The print dialog as our own modal form: the printer from the system's
// list and its properties, the page range, the number of copies, collation
// and printing into a file. OK hands the printer, the copies, collation and
// the output file (asked for with a save dialog when printing into a file)
// to the program's printer object; Cancel changes nothing. With no printer
// in the system it says so and prints only into a file.

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
