#include "tools/emulator/LogMemory.h"

#include <algorithm>
#include <fstream>
#include <iterator>

std::string LogMemory::LoadFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() == ".log") names.push_back(entry.path());
    if (error) return "cannot read the folder " + folder.string() + ": " + error.message();
    std::sort(names.begin(), names.end());

    LogMemory loaded(capacity_);
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::ifstream in(names[i], std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.eof() && in.fail()) return "cannot read " + names[i].string();
        std::string stem = names[i].stem().string();
        std::string digits;
        for (char c : stem)
            if (c >= '0' && c <= '9') digits += c;
        std::uint32_t number = digits.empty() || digits.size() > 9 ? static_cast<std::uint32_t>(i + 1)
                                                                   : static_cast<std::uint32_t>(std::stoul(digits));
        if (std::string why = loaded.AddFile(number, std::move(bytes)); !why.empty()) return names[i].string() + ": " + why;
    }
    files_ = std::move(loaded.files_);
    return {};
}

std::string LogMemory::AddFile(std::uint32_t number, std::vector<std::uint8_t> bytes) {
    if (files_.size() >= kMostFiles) return "more files than the controller can list";
    std::size_t pages = (bytes.size() + kPageSize - 1) / kPageSize;
    bytes.resize(pages * kPageSize, 0xFF);
    if (UsedBytes() > capacity_ || bytes.size() > capacity_ - UsedBytes()) return "the log memory is full";
    files_.push_back({number, std::move(bytes)});
    return {};
}

std::uint32_t LogMemory::UsedBytes() const {
    std::uint64_t used = 0;
    for (const LogFile& file : files_) used += file.bytes.size();
    return static_cast<std::uint32_t>(used);
}

std::array<std::uint8_t, LogMemory::kPacketSize> LogMemory::Read(std::uint32_t offset) const {
    std::array<std::uint8_t, kPacketSize> packet;
    packet.fill(0xFF);
    std::uint64_t fileStart = 0;
    for (const LogFile& file : files_) {
        std::uint64_t fileEnd = fileStart + file.bytes.size();
        for (std::size_t i = 0; i < kPacketSize; ++i) {
            std::uint64_t at = std::uint64_t(offset) + i;
            if (at >= fileStart && at < fileEnd) packet[i] = file.bytes[at - fileStart];
        }
        fileStart = fileEnd;
    }
    return packet;
}
