#include "viewer/eventmarkers/EventMarkerPlacement.h"

#include "viewer/eventmarkers/MarkerKinds.h"

std::vector<EventMarkerPlace> ChooseEventMarkerTicks(std::span<const EventCode> tickEvents,
                                                     const std::function<bool(EventCode)>& kindChosen) {
    std::vector<EventMarkerPlace> places;
    for (std::size_t tick = 0; tick < tickEvents.size() && places.size() < kEventMarkerLimit; ++tick) {
        const EventCode code = tickEvents[tick];
        if (code >= 1 && code <= kMarkerKindCount && kindChosen(code))
            places.push_back({static_cast<std::int32_t>(tick), code});
    }
    return places;
}
