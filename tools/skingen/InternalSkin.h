#pragma once
// The internal skin "Classic (внутренний)" embedded into the program.

#include <string_view>

class TSkinManager;

// The package bytes, made by velzar-skingen at build time.
std::string_view ClassicInternalSkinPackage();
// Adds the internal skin to the manager's stored skins.
void AddClassicInternalSkin(TSkinManager& manager);
