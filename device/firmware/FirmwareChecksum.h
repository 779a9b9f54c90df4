#pragma once
// The checksum the bootloader compares with the firmware it received: the
// CRC-32 table step, but complemented after every byte and not at the end.

#include <cstddef>
#include <cstdint>

// One step: NOT(table[(c XOR b) and 0xFF] XOR (c shr 8)).
std::uint32_t UpdateChecksum(std::uint8_t b, std::uint32_t c);

// Every byte in order from the start value 0xFFFFFFFF.
std::uint32_t ChecksumOfBytes(const std::uint8_t* bytes, std::size_t count);
