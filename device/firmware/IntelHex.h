#pragma once
// One line of an Intel HEX file, checked in full: syntax, byte count and
// record checksum.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class HexRecordType : std::uint8_t {
    Data = 0x00,
    EndOfFile = 0x01,
    ExtendedSegmentAddress = 0x02,
    StartSegmentAddress = 0x03,
    ExtendedLinearAddress = 0x04,
    StartLinearAddress = 0x05,
};

struct HexRecord {
    HexRecordType type = HexRecordType::Data;
    std::uint16_t address = 0;
    std::vector<std::uint8_t> data;
};

struct HexLineResult {
    bool ok = false;
    HexRecord record;
    std::string error;  // why the line is not a record (empty when ok)
};

// Parses ":LLAAAATT<data>CC" with hex digits in either case; trailing blanks
// and a carriage return are allowed. Refuses a wrong byte count, a wrong
// record checksum, an unknown record type and a type whose fixed size or
// address does not hold.
HexLineResult ParseHexLine(std::string_view line);
