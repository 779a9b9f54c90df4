#pragma once
// The skinned controls and dialogs the device windows carry, by the names
// the windows use. Until the skinned ones exist, each name stands for the
// plain class-library control the skinned one derives from.

#include "ui/controls/Gauge.h"
#include "ui/controls/ProgressBar.h"
#include "ui/dialogs/PathDialog.h"

using TSkPathDialog = TPathDialog;
using TSkGauge = TGauge;
using TSkProgressBar = TProgressBar;
