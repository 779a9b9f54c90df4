// Any bytes as a device's report descriptor: the parser must stay inside
// them and give lengths that fit their field.

#include "platform/hid/HidReportDescriptor.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::HidReportLengths lengths = platform::ParseHidReportLengths(data, size);
    if (lengths.valid && size == 0) std::abort();
    return 0;
}
