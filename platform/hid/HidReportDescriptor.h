#pragma once
// Report lengths from a HID report descriptor, as the system reports them in
// the capabilities: the longest report of each kind plus the report ID byte.

#include <cstddef>
#include <cstdint>

namespace platform {

struct HidReportLengths {
    std::uint16_t usagePage = 0;  // of the first top-level collection
    std::uint16_t usage = 0;
    std::uint16_t input = 0;
    std::uint16_t output = 0;
    std::uint16_t feature = 0;
    bool numberedReports = false;  // the device sends a report ID byte itself
    bool valid = false;            // a whole descriptor with a collection
};

HidReportLengths ParseHidReportLengths(const std::uint8_t* descriptor, std::size_t size);

}  // namespace platform
