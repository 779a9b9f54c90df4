// The program starts here: the application comes up, every window is made
// (the main window first), then the GUI message loop runs until the main
// window closes.

#include "chart/panel/ChartHandCursor.h"
#include "device/forms/FirmwareForm.h"
#include "device/forms/LogFilesForm.h"
#include "device/link/DeviceWorkers.h"
#include "platform/display/Display.h"
#include "report/objects/ReportClasses.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Application.h"
#include "viewer/forms/AboutForm.h"
#include "viewer/forms/ChartSettingsForm.h"
#include "settings/dip/DipSettingsForm.h"
#include "viewer/forms/ErrorListForm.h"
#include "viewer/forms/EventListForm.h"
#include "settings/firststage/FirstStageSettingsForm.h"
#include "viewer/forms/LineWidthForm.h"
#include "settings/dialogs/WarningForm.h"
#include "viewer/forms/PeriodForm.h"
#include "viewer/forms/ReportForm.h"
#include "settings/secondstage/SecondStageSettingsForm.h"
#include "settings/dialogs/FileChooserForm.h"
#include "viewer/forms/SettingsPrintForm.h"
#include "settings/singlestage/SingleStageSettingsForm.h"
#include "settings/dialogs/SystemSettingsForm.h"
#include "viewer/eventmarkers/EventMarkerForm.h"
#include "viewer/forms/ViewOptionsForm.h"
#include "viewer/mainform/MainForm.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main() {
    if (std::strcmp(platform::DisplayName(), "headless") == 0) {
        std::fprintf(stderr, "velzar: no display to show the main window on\n");
        return EXIT_FAILURE;
    }
    const TChartHandCursor chartHandCursor;
    Application->SetTitle("Велзар");
    Application->SetMessageBoxFunction(MessageBoxForm);
    // Form data holding a report makes its objects by class name.
    RegisterReportClasses();
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);
    Application->CreateForm(Form5);
    Application->CreateForm(Form6);
    Application->CreateForm(Form7);
    Application->CreateForm(Form8);
    Application->CreateForm(Form9);
    Application->CreateForm(Form10);
    Application->CreateForm(Form11);
    Application->CreateForm(Form12);
    Application->CreateForm(Form14);
    Application->CreateForm(Form15);
    Application->CreateForm(Form16);
    Application->CreateForm(Form17);
    Application->CreateForm(ReportForm2);
    Application->CreateForm(Form18);
    Application->CreateForm(Form19);
    Application->CreateForm(Form13);
    Application->Run();
    StopDeviceWorkers();
    return EXIT_SUCCESS;
}
