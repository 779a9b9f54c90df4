// Any bytes as a firmware file: the reader must refuse or give an image that
// fits the window, never read or write outside it.

#include "device/firmware/FirmwareHex.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    FirmwareHexResult result = ReadFirmwareHex(text);
    if (result.ok) {
        if (result.file.size == 0 || result.file.size > FirmwareWindowSize) std::abort();
        if (result.file.image.size() != FirmwareWindowSize) std::abort();
        if (result.file.startAddress + result.file.size > FirmwareWindowSize) std::abort();
    } else if (result.error.empty()) {
        std::abort();
    }
    return 0;
}
