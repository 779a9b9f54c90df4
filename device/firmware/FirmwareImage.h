#pragma once
// The firmware chosen for the update: its image, length, identity and
// checksum, as the open command of the firmware window leaves them.

#include "device/firmware/FirmwareHex.h"
#include "ui/core/Exceptions.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t FirmwareImageCapacity = 128001;

// Bytes not covered by the file are 0xFF, and are sent as such.
extern std::array<std::uint8_t, FirmwareImageCapacity> FirmwareImage;
// The image bytes that are sent and checksummed: the highest end offset written.
extern std::uint32_t FirmwareSize;
extern std::uint32_t FirmwareId;
extern std::uint32_t FirmwareChecksum;
// A file with a non-zero image length has been read.
extern bool FirmwareLoaded;

// A firmware file that cannot be read or is damaged; nothing of it was taken.
VELZAR_EXCEPTION(EFirmwareFileError, Exception);

// Sets FirmwareId; writes "Marker: " and "Record Id: " lines.
void ReadHexHeader(const FirmwareHexFile& file, std::vector<std::string>& memo);

// Takes the image and its length; writes the file's "Offset:" and
// "StartAddr: " lines.
void LoadFirmwareHex(const FirmwareHexFile& file, std::vector<std::string>& memo);

// Reads and checks the whole file, then takes its header, image and checksum
// and writes the size and checksum lines. A file that cannot be read or is
// damaged raises EFirmwareFileError and leaves no image: size 0, the checksum
// of no bytes, the image all 0xFF and FirmwareLoaded false.
void OpenFirmwareFile(const std::string& fileName, std::vector<std::string>& memo);
