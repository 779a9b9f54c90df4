// The program starts here: the application comes up, every window is made
// (the main window first), then the GUI message loop runs until the main
// window closes.

#include "app/MainForm.h"
#include "device/forms/FirmwareForm.h"
#include "device/forms/LogFilesForm.h"
#include "device/link/DeviceWorkers.h"
#include "platform/display/Display.h"
#include "ui/dialogs/MessageDialogs.h"
#include "ui/forms/Application.h"

#include <cstdio>
#include <cstring>

int main() {
    if (std::strcmp(platform::DisplayName(), "headless") == 0) {
        std::fprintf(stderr, "velzar: no display to show the main window on\n");
        return 0;
    }
    Application->SetTitle("Велзар");
    Application->SetMessageBoxFunction(MessageBoxForm);
    Application->CreateForm(Form1);
    Application->CreateForm(Form5);
    Application->CreateForm(Form11);
    Application->Run();
    StopDeviceWorkers();
    return 0;
}
