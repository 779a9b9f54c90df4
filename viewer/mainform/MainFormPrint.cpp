// "Печать": the chart on the printer chosen in the print dialog, on a white
// background, with the chart's print margins.

#include "viewer/mainform/MainForm.h"

#include "common/MessageBoxText.h"
#include "ui/core/ScopeGuards.h"

void TForm1::N31Click(TObject*) {
    if (!PrintDialog1->Execute()) return;
    const TColor screenColor = Chart1->Color();
    Chart1->SetColor(clWhite);
    // The screen's colour comes back whatever the printing did.
    ScopeExit restoreColor([this, screenColor] { Chart1->SetColor(screenColor); });
    try {
        Chart1->Print();
    } catch (const Exception& e) {
        ShowMessageBox("График не напечатан: " + e.Message());
    }
}
