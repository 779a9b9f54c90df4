#include "viewer/log/FlightTables.h"

#include <new>

namespace {
template <class T>
T* AllocateZeroed(std::size_t count) {
    // calloc hands large blocks out as untouched zero pages, so a short log
    // commits only the pages it writes.
    void* memory = std::calloc(count, sizeof(T));
    if (!memory) throw std::bad_alloc();
    return static_cast<T*>(memory);
}
}  // namespace

FlightTables::FlightTables()
    : FlightRecords(AllocateZeroed<FlightRecord>(kFlightTableSlots)),
      TickEvents(AllocateZeroed<EventCode>(kFlightTableSlots)) {}
