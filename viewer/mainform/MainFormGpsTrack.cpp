// "Сохранить GPS трек": the loaded records' GPS fixes as a KML track, in the
// file chosen in the save dialog.

#include "viewer/mainform/MainForm.h"

#include "common/MessageBoxText.h"
#include "viewer/export/KmlTrack.h"

void TForm1::N18Click(TObject*) {
    if (!skSaveDialog1->Execute()) return;
    if (std::optional<std::string> failure = SaveKmlTrack(skSaveDialog1->FileName, FlightData.StoredRecords()))
        ShowMessageBox(*failure);
}
