#pragma once
// Start-up of the report library, once, before any report is made: its
// classes known by name, the script dialects, the script engine's messages
// from the string table, the shared lists and the global lock.

#include <mutex>

void rpStartReportLibrary();

// Serialises template loading in thread-safe mode and the freeing of
// dialog pages.
std::recursive_mutex& rpGlobalLock();
