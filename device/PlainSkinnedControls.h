#pragma once
// The skinned controls and dialogs the device windows carry, by the names
// the windows use. Until the skinned ones exist, each name stands for the
// plain class-library control the skinned one derives from.

#include "ui/Gauge.h"
#include "ui/PathDialog.h"
#include "ui/ProgressBar.h"

using TsPathDialog = TPathDialog;
using TsGauge = TGauge;
using TsProgressBar = TProgressBar;
