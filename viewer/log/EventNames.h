#pragma once
// The texts of the controller's event codes, as the event list shows them.

#include "viewer/log/FlightTables.h"

#include <array>
#include <string>
#include <string_view>

inline constexpr std::size_t kEventNameCount = 22;

// Indexed by event code, each with two leading blanks as stored.
extern const std::array<std::string_view, kEventNameCount> EventNames;

// The name of any code: a code outside the table gets a generic text with
// its number rather than a read past the table.
std::string EventNameText(EventCode code);
