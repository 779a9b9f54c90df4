#include "device/link/DeviceAnnouncements.h"

#include "ui/core/Thread.h"

TDeviceAnnouncements& DeviceAnnouncements() {
    static TDeviceAnnouncements announcements;
    return announcements;
}

void AnnounceOnGuiThread(std::function<void()> call) {
    // On the GUI thread Queue runs the call at once.
    TThread::Queue(nullptr, call);
}
