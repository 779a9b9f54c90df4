#include "ModalSteps.h"
#include "PrinterFixtures.h"
#include "../support/PrivatePrintServer.h"

#include "ui/controls/CheckBox.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/Label.h"
#include "ui/dialogs/PrintDialog.h"

namespace {

TEST(PageRange, WithinTheLimitsAndInOrder) {
    const struct {
        int from, to, min, max;
        const char* error;  // a part of it; empty: none
    } cases[] = {
        {1, 10, 1, 10, ""},
        {3, 3, 1, 10, ""},
        {0, 5, 0, 10, "от 1 до 10"},  // page numbers start at 1
        {2, 12, 1, 10, "от 1 до 10"},
        {5, 3, 1, 10, "после последней"},
        {7, 900, 1, 0, ""},  // no upper limit
        {-1, 3, 1, 0, "не меньше 1"},
        {4, 9, 5, 9, "от 5 до 9"},
    };
    for (const auto& c : cases) {
        std::string error = PageRangeError(c.from, c.to, c.min, c.max);
        if (*c.error == 0) {
            EXPECT_EQ(error, "") << c.from << "-" << c.to;
        } else {
            EXPECT_NE(error.find(c.error), std::string::npos) << c.from << "-" << c.to << ": " << error;
        }
    }
}

// The dialog over the test's own print server and its two printers.
struct PrintDialogTest : ModalDialogFixture {
    std::unique_ptr<PrivatePrintServer> server;
    FreshPrinter fresh;
    TPrintDialog dialog{nullptr};
    bool pagesEnabled = false, toFileVisible = false;
    void SetUp() override {
        ModalDialogFixture::SetUp();
        if (!PrivatePrintServer::Installed())
            GTEST_SKIP() << "the print server (cupsd, Debian package cups) is not installed";
        server = std::make_unique<PrivatePrintServer>();
    }
    void Answer(std::vector<ModalStep> steps) {
        AnswerWith(std::move(steps), [this](TCustomForm& d) {
            pagesEnabled = dynamic_cast<TControl*>(d.FindComponent("Pages"))->Enabled();
            toFileVisible = dynamic_cast<TControl*>(d.FindComponent("PrintToFile"))->Visible();
        });
    }
    // The edit focused, then its text replaced.
    static void Replace(std::vector<ModalStep>& steps, const char* edit, const char* text) {
        steps.push_back(FocusStep(edit));
        steps.push_back(KeyStep(platform::VK_END));
        for (int i = 0; i < 6; ++i) steps.push_back(KeyStep(platform::VK_BACK));
        steps.push_back(TypeStep(text));
    }
};

TEST_F(PrintDialogTest, EnterConfirmsOneCopyOfAllPages) {
    Answer({KeyStep(platform::VK_RETURN)});
    ASSERT_TRUE(dialog.Execute());
    EXPECT_FALSE(pagesEnabled);  // no page numbers asked for
    EXPECT_FALSE(toFileVisible);
    EXPECT_EQ(dialog.Copies, 1);
    EXPECT_EQ(dialog.PrintRange, TPrintRange::prAllPages);
    EXPECT_FALSE(dialog.Collate);
}

TEST_F(PrintDialogTest, APageRangeOutsideTheLimitsIsRefusedUntilFixed) {
    dialog.Options = {TPrintDialogOption::poPageNums, TPrintDialogOption::poPrintToFile};
    dialog.MinPage = 1;
    dialog.MaxPage = 10;
    dialog.FromPage = 1;
    dialog.ToPage = 10;
    std::vector<ModalStep> steps;
    Replace(steps, "From", "3");
    Replace(steps, "To", "12");
    steps.push_back(KeyStep(platform::VK_RETURN));  // refused: the warning
    steps.push_back(KeyStep(platform::VK_RETURN));  // its OK
    Replace(steps, "To", "5");
    steps.push_back(KeyStep(platform::VK_RETURN));
    Answer(steps);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_TRUE(pagesEnabled);
    EXPECT_TRUE(toFileVisible);
    // Typing a page number chose the page range.
    EXPECT_EQ(dialog.PrintRange, TPrintRange::prPageNums);
    EXPECT_EQ(dialog.FromPage, 3);
    EXPECT_EQ(dialog.ToPage, 5);
}

TEST_F(PrintDialogTest, CopiesStepWithTheArrowsAndCancelStoresNothing) {
    dialog.Copies = 3;
    Answer({FocusStep("Copies"), KeyStep(platform::VK_UP), KeyStep(platform::VK_UP), FocusStep("Collate"), KeyStep(platform::VK_SPACE),
            KeyStep(platform::VK_RETURN)});
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Copies, 5);
    EXPECT_TRUE(dialog.Collate);

    std::vector<ModalStep> steps;
    Replace(steps, "Copies", "0");
    steps.push_back(KeyStep(platform::VK_RETURN));  // no copies: refused
    steps.push_back(KeyStep(platform::VK_RETURN));
    steps.push_back(KeyStep(platform::VK_ESCAPE));
    Answer(steps);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Copies, 5);
}

TEST_F(PrintDialogTest, ThePrinterChosenAndTheCopiesGoToThePrinterOnlyWithOk) {
    std::string listed;
    AnswerWith({FocusStep("Printers"), KeyStep(platform::VK_DOWN), KeyStep(platform::VK_ESCAPE)}, [&](TCustomForm& d) {
        auto* list = dynamic_cast<TComboBox*>(d.FindComponent("Printers"));
        for (int i = 0; i < list->Items().Count(); ++i) listed += list->Items().Item(i) + ";";
        listed += std::to_string(list->ItemIndex());
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(listed, "Velzar_Closed;Velzar_PDF;1");  // the default chosen
    EXPECT_EQ(Printer()->PrinterName(), PrivatePrintServer::OpenQueue);

    std::vector<ModalStep> steps{FocusStep("Printers"), KeyStep(platform::VK_UP)};
    Replace(steps, "Copies", "3");
    steps.push_back(KeyStep(platform::VK_RETURN));
    Answer(steps);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(Printer()->PrinterName(), PrivatePrintServer::ClosedQueue);
    EXPECT_EQ(Printer()->Copies(), 3);
    EXPECT_EQ(dialog.Copies, 3);
    EXPECT_EQ(Printer()->OutputFile, "");
}

struct PrintDialogWithoutPrinterTest : ModalDialogFixture {
    NoPrintServer none;
    FreshPrinter fresh;
    TempFolder folder;
    TPrintDialog dialog{nullptr};
};

TEST_F(PrintDialogWithoutPrinterTest, SaysSoAndAsksForTheFileToPrintInto) {
    std::string note;
    bool toFile = false;
    // OK opens the save dialog; giving it up leaves the print dialog open.
    AnswerWith({KeyStep(platform::VK_RETURN), KeyStep(platform::VK_ESCAPE), KeyStep(platform::VK_ESCAPE)},
               [&](TCustomForm& d) {
                   note = dynamic_cast<TLabel*>(d.FindComponent("NoPrinter"))->Caption();
                   auto* box = dynamic_cast<TCheckBox*>(d.FindComponent("PrintToFile"));
                   toFile = box->Visible() && box->Checked();
               });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(note, "Принтер не установлен: печать только в файл.");
    EXPECT_TRUE(toFile);
    EXPECT_FALSE(dialog.PrintToFile);
    EXPECT_EQ(Printer()->OutputFile, "");
}

TEST_F(PrintDialogWithoutPrinterTest, PrintingToNoPrinterIsRefused) {
    // Print to file unticked, OK: the error box, its OK, then Cancel.
    AnswerWith({FocusStep("PrintToFile"), KeyStep(platform::VK_SPACE), KeyStep(platform::VK_RETURN), KeyStep(platform::VK_RETURN), KeyStep(platform::VK_ESCAPE)});
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(Printer()->OutputFile, "");
}

}  // namespace
