#pragma once
// Shortcuts of menu items: a key with its shift keys, and its text.

#include "ui/forms/Messages.h"

#include <cstdint>
#include <string>

// A key with its shift keys: the virtual key in the low byte.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;
TShortCut ShortCut(platform::WORD key, TShiftState shift);
// "Ctrl+O", "Shift+Ctrl+F2", "Del"; empty for none.
std::string ShortCutToText(TShortCut shortCut);
// 0 for a text that names no key.
TShortCut TextToShortCut(const std::string& text);
