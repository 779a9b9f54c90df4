#pragma once
// Which ticks of a log get an event marker: those whose event is a kind the
// user chose, in tick order, at most ten (the chart has ten marker series).

#include "viewer/log/FlightTables.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

inline constexpr std::size_t kEventMarkerLimit = 10;

struct EventMarkerPlace {
    std::int32_t Tick = 0;
    EventCode Code = 0;
};

// Codes without a kind (0, above 21) are never asked about.
std::vector<EventMarkerPlace> ChooseEventMarkerTicks(std::span<const EventCode> tickEvents,
                                                     const std::function<bool(EventCode)>& kindChosen);
