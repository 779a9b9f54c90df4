// The vertical axes of the main window's chart: each axis' range fitted to
// its data; the time axis fitted to the data.

#include "viewer/mainform/MainForm.h"

#include "viewer/forms/ChartSettingsForm.h"
#include "viewer/navigation/AxisLayout.h"

void TForm1::Chart1UndoZoom(TObject*) {
    FitTimeAxis(*Chart1->BottomAxis(), Extents);
    const auto mode = Form2->ComboBox[32]->ItemIndex() == 1 ? AxisScaling::EachOwnRange : AxisScaling::CommonZero;
    LayoutAxes(*Chart1, AxisInUse, mode);
    // A zoom too fine for this log comes back to its fit, never to an older log's range.
    ChartZoomBounds.Remember(*Chart1);
}
