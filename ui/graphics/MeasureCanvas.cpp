#include "ui/graphics/MeasureCanvas.h"

#include "platform/gdi/DeviceContexts.h"

TMeasureCanvas::TMeasureCanvas() : dc_(platform::CreateCompatibleDC(nullptr)) { SetHandle(dc_); }

TMeasureCanvas::~TMeasureCanvas() {
    SetHandle(nullptr);
    platform::DeleteDC(dc_);
}
