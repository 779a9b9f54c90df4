#include "platform/print/detail/CupsDestinations.h"

namespace platform {

CupsDestinations::CupsDestinations() { count_ = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests_); }

CupsDestinations::~CupsDestinations() { cupsFreeDests(count_, dests_); }

cups_dest_t* CupsDestinations::Find(const std::string& name) const {
    if (name.empty()) return nullptr;
    return cupsGetDest(name.c_str(), nullptr, count_, dests_);
}

CupsDestInfo CopyDestInfo(cups_dest_t& dest) { return CupsDestInfo(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, &dest)); }

}  // namespace platform
