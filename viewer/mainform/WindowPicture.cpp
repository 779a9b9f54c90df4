#include "viewer/mainform/WindowPicture.h"

#include "platform/window/WindowPrinting.h"

std::unique_ptr<TBitmap> WindowPicture(TWinControl& window) {
    auto picture = std::make_unique<TBitmap>(window.Width(), window.Height(), TPixelFormat::pf32bit);
    platform::PrintWindow(window.Handle(), picture->Canvas()->Handle(), 0);
    return picture;
}
