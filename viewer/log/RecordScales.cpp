#include "viewer/log/RecordScales.h"

#include "common/SignRule.h"
#include "ui/core/Rounding.h"

std::int32_t DecodeSigned(std::uint32_t raw) {
    return SignExtend16(raw);
}

std::int32_t DecodeAcceleration(std::uint32_t raw) {
    return static_cast<std::int32_t>(Round((SignExtend16(raw) / 4) * 1.953125));
}

std::int32_t DecodeAngularRate(std::uint32_t raw) {
    return static_cast<std::int32_t>(Round(SignExtend16(raw) / 16.38));
}

std::int32_t DecodeAcceleration100g(std::uint32_t raw) {
    // Below the offset the difference is negative and stays so under the sign
    // rule; masking to 16 bits gives exactly that through the one rule.
    std::int64_t value = SignExtend16((raw - 8) & 0xFFFF);
    // The product can reach 3.3e10, beyond 32 bits.
    return static_cast<std::int32_t>(Round(static_cast<double>(value * 1000000) / 9766));
}
