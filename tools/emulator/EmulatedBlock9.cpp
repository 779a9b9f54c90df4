#include "tools/emulator/EmulatedBlock9.h"

std::vector<std::uint8_t> EmptyBlock9(std::uint16_t featureLength) {
    return std::vector<std::uint8_t>(featureLength > kRequestFrameBytes ? featureLength - kRequestFrameBytes : 0, 0);
}
