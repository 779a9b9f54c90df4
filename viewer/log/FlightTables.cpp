#include "viewer/log/FlightTables.h"

#include <sys/mman.h>

#include <new>

void FlightTables::UnmapTable::operator()(void* table) const {
    munmap(table, bytes);
}

template <class T>
std::unique_ptr<T[], FlightTables::UnmapTable> FlightTables::MapTable(std::size_t count) {
    // Fresh anonymous pages read as zeros and are committed only as a load
    // writes them, so a short log costs only what it stores.
    const std::size_t bytes = count * sizeof(T);
    void* table = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (table == MAP_FAILED) throw std::bad_alloc();
    // Where the system hands out huge pages on request, a long log takes a
    // few dozen page faults in place of tens of thousands: first touching
    // the tables was most of the first load's time. Refused, small pages do.
    madvise(table, bytes, MADV_HUGEPAGE);
    return {static_cast<T*>(table), UnmapTable{bytes}};
}

FlightTables::FlightTables()
    : FlightRecords(MapTable<FlightRecord>(kFlightTableSlots)), TickEvents(MapTable<EventCode>(kFlightTableSlots)) {}
