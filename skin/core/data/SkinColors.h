#pragma once
// The skin-wide colours painters ask for, each with its fallback when the
// skin lacks the section.

#include "skin/core/data/SkinLookups.h"

#include <cstdint>

std::uint32_t GlobalBackColor(const TSkinContent& skin);
std::uint32_t GlobalFontColor(const TSkinContent& skin);
std::uint32_t GlobalHotColor(const TSkinContent& skin);
std::uint32_t EditFontColor(const TSkinContent& skin);
std::uint32_t SelectionColor(const TSkinContent& skin, bool hot);
std::uint32_t SelectionFontColor(const TSkinContent& skin, bool hot);
