#pragma once
// The DIP controller's settings blocks as a new controller holds them: the
// settings window's start values, block 1 of 30 bytes and block 2 of 35.

#include <cstdint>
#include <map>
#include <vector>

std::map<std::uint8_t, std::vector<std::uint8_t>> DipFactorySettingsBlocks();
