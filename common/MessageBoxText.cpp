#include "common/MessageBoxText.h"

#include "ui/forms/Application.h"

void ShowMessageBox(const std::string& text) {
    // A box without a caption shows the system's own, "Error".
    Application->MessageBox(text, "Error", MB_OK | MB_SETFOREGROUND);
}
