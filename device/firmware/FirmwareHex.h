#pragma once
// A firmware file in Intel HEX form, checked whole before anything of it is
// used: every record valid, an end-of-file record, and every data byte inside
// the firmware window exactly once.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Only data under this upper linear address are firmware.
constexpr std::uint16_t FirmwareSegment = 0x0800;
// Data are placed at 16-bit offsets from the first data record's address.
constexpr std::size_t FirmwareWindowSize = 65536;

struct FirmwareHexFile {
    std::uint16_t marker = 0;          // the first two data bytes of line 1
    std::uint32_t id = 0;              // the first four data bytes of line 2, big-endian
    std::uint32_t startAddress = 0;    // address of the first data record in the window
    std::vector<std::uint8_t> image;   // FirmwareWindowSize bytes, 0xFF where nothing was written
    std::uint32_t size = 0;            // the highest end offset written
    std::vector<std::string> loadLines;  // "Offset:" and "StartAddr: " lines in file order
};

struct FirmwareHexResult {
    bool ok = false;
    FirmwareHexFile file;
    std::string error;  // "Строка N: reason" or a reason for the whole file
};

// Refuses a damaged line, an address scheme it cannot place (type 02), data
// outside the window, below the start address, past the segment end or over
// bytes already written, data after the end-of-file record, a missing
// end-of-file record, and a file without its header lines or data. Lines may
// end in CR LF, LF or CR, and a UTF-8 byte-order mark may come first.
FirmwareHexResult ReadFirmwareHex(std::string_view text);
