#pragma once
// The print server's queues as the client library lists them, freed with
// the holder. Asking needs no server: without one the list is empty.

#include <cups/cups.h>

#include <memory>
#include <string>

namespace platform {

class CupsDestinations {
public:
    CupsDestinations();
    ~CupsDestinations();
    CupsDestinations(const CupsDestinations&) = delete;
    CupsDestinations& operator=(const CupsDestinations&) = delete;

    int Count() const { return count_; }
    cups_dest_t& At(int index) const { return dests_[index]; }
    // The queue itself (not one of its saved option sets); null when unknown.
    cups_dest_t* Find(const std::string& name) const;

private:
    cups_dest_t* dests_ = nullptr;
    int count_ = 0;
};

struct CupsDestInfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using CupsDestInfo = std::unique_ptr<cups_dinfo_t, CupsDestInfoFree>;

// What the server says the queue supports; null when it cannot be asked.
CupsDestInfo CopyDestInfo(cups_dest_t& dest);

}  // namespace platform
