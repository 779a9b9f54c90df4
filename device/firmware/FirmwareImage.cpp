#include "device/firmware/FirmwareImage.h"

#include "common/TextFormatting.h"
#include "device/firmware/FirmwareChecksum.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

std::array<std::uint8_t, FirmwareImageCapacity> FirmwareImage = [] {
    std::array<std::uint8_t, FirmwareImageCapacity> image;
    image.fill(0xFF);
    return image;
}();
std::uint32_t FirmwareSize = 0;
std::uint32_t FirmwareId = 0;
std::uint32_t FirmwareChecksum = 0xFFFFFFFFu;
bool FirmwareLoaded = false;

namespace {

// Far above any file that fits the 64 KiB window; keeps a wrong pick from
// filling memory.
constexpr std::uintmax_t kLargestFile = 16u << 20;

void ForgetFirmware() {
    FirmwareLoaded = false;
    FirmwareImage.fill(0xFF);
    FirmwareSize = 0;
    FirmwareId = 0;
    FirmwareChecksum = 0xFFFFFFFFu;
}

std::string ReadWholeFile(const std::string& fileName) {
    std::error_code error;
    std::ifstream in;
    if (std::filesystem::is_regular_file(fileName, error)) in.open(fileName, std::ios::binary);
    if (!in.is_open()) throw EFirmwareFileError("Не удалось открыть файл прошивки: " + fileName);
    in.seekg(0, std::ios::end);
    std::streamoff length = in.tellg();
    if (length < 0) throw EFirmwareFileError("Не удалось прочитать файл прошивки: " + fileName);
    if (static_cast<std::uintmax_t>(length) > kLargestFile)
        throw EFirmwareFileError("Файл прошивки слишком велик: " + fileName);
    in.seekg(0);
    std::string text(static_cast<std::size_t>(length), '\0');
    if (!in.read(text.data(), length)) throw EFirmwareFileError("Не удалось прочитать файл прошивки: " + fileName);
    return text;
}

}  // namespace

void ReadHexHeader(const FirmwareHexFile& file, std::vector<std::string>& memo) {
    memo.push_back("Marker: " + FormatString("%04X", {file.marker}));
    FirmwareId = file.id;
    memo.push_back("Record Id: " + FormatString("%08X", {file.id}));
}

void LoadFirmwareHex(const FirmwareHexFile& file, std::vector<std::string>& memo) {
    FirmwareImage.fill(0xFF);
    std::copy(file.image.begin(), file.image.begin() + file.size, FirmwareImage.begin());
    FirmwareSize = file.size;
    memo.insert(memo.end(), file.loadLines.begin(), file.loadLines.end());
}

void OpenFirmwareFile(const std::string& fileName, std::vector<std::string>& memo) {
    ForgetFirmware();
    FirmwareHexResult read = ReadFirmwareHex(ReadWholeFile(fileName));
    if (!read.ok) throw EFirmwareFileError("Файл прошивки повреждён и не принят. " + read.error);

    ReadHexHeader(read.file, memo);
    LoadFirmwareHex(read.file, memo);
    FirmwareChecksum = ChecksumOfBytes(FirmwareImage.data(), FirmwareSize);
    memo.push_back("Размер файла: " + std::to_string(FirmwareSize) + " байт");
    memo.push_back("Контрольная сумма: 0\xD1\x85" + FormatString("%08X", {FirmwareChecksum}));
    memo.push_back(std::string(27, '-'));
    FirmwareLoaded = FirmwareSize > 0;
}
