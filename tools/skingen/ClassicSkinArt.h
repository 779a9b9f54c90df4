#pragma once
// The internal skin "Classic (внутренний)" as code: its options text and
// the two pictures its values point to, so the art can be reviewed and
// made again.

#include "skin/core/package/SkinPackage.h"

#include <vector>

constexpr const char* ClassicSkinName = "Classic (внутренний)";
// "Options.dat", "ButtonHuge.bmp" and "Master.bmp", in the package's order.
std::vector<TSkPackageEntry> ClassicSkinEntries();
