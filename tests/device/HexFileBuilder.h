#pragma once
// Intel HEX lines for tests, with correct byte counts and checksums unless
// a test spoils them on purpose.

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

inline std::string HexRecordLine(int type, int address, const std::vector<std::uint8_t>& data) {
    char field[16];
    std::snprintf(field, sizeof field, ":%02X%04X%02X", unsigned(data.size()), unsigned(address), unsigned(type));
    std::string line = field;
    unsigned sum = unsigned(data.size()) + (address >> 8) + (address & 0xFF) + type;
    for (std::uint8_t b : data) {
        std::snprintf(field, sizeof field, "%02X", b);
        line += field;
        sum += b;
    }
    std::snprintf(field, sizeof field, "%02X", (0x100 - (sum & 0xFF)) & 0xFF);
    return line + field;
}

inline std::string DataLine(int address, const std::vector<std::uint8_t>& data) { return HexRecordLine(0, address, data); }
inline std::string SegmentLine(int upper) { return HexRecordLine(4, 0, {std::uint8_t(upper >> 8), std::uint8_t(upper)}); }
inline std::string EndLine() { return HexRecordLine(1, 0, {}); }

inline std::string JoinLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// `count` bytes counting up from `first`.
inline std::vector<std::uint8_t> Bytes(int count, int first = 0) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < count; ++i) bytes.push_back(std::uint8_t(first + i));
    return bytes;
}
