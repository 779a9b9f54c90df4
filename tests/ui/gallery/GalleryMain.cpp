// Shows the control gallery on the display until its window is closed; for
// a person to look at the controls (and for screenshots).

#include "ControlGallery.h"

#include "ui/forms/Application.h"

#include "platform/display/Display.h"

#include <cstdio>
#include <cstring>

int main() {
    if (std::strcmp(platform::DisplayName(), "headless") == 0) {
        std::fprintf(stderr, "velzar-gallery: no display to show the gallery on\n");
        return 1;
    }
    TControlGallery gallery = BuildControlGallery();
    gallery.Form->OnClose = [](TObject*, TCloseAction&) { Application->Terminate(); };
    gallery.Form->Show();
    while (!Application->Terminated()) Application->HandleMessage();
    return 0;
}
