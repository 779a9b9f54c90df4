#pragma once
// Every device worker is started here and joined here: none frees itself,
// none outlives the program. Before the window system ends, the main window
// asks whether one runs (and whether it is a firmware update), then stops
// them all and waits for each. A new kind of worker (the settings windows')
// gets its kind below and starts through StartDeviceWorker too.

#include "ui/core/Thread.h"

#include <memory>

enum class TDeviceWorkerKind { LogFiles, FirmwareConnect, FirmwareUpdate, Settings };

// GUI thread. Starts the worker (made suspended) and keeps it until it has
// ended and been joined. While the workers are being stopped nothing starts:
// false, and the worker is freed unstarted.
bool StartDeviceWorker(std::unique_ptr<TThread> worker, TDeviceWorkerKind kind);

// A device worker of any kind runs.
bool DeviceWorkerRunning();
// A firmware update runs: cutting it leaves the controller in its bootloader.
bool FirmwareUpdateRunning();

// GUI thread. Asks every device worker to stop and waits for each to end,
// serving their handovers meanwhile; waits on the device end at once. A
// stopped download removes its unfinished file.
void StopDeviceWorkers();
// True while StopDeviceWorkers runs.
bool DeviceWorkersStopping();
