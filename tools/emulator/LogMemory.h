#pragma once
// The controller's flight-log memory: files one after another in list order,
// each a whole number of 256-byte pages, erased bytes (0xFF) after them.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct LogFile {
    std::uint32_t number = 0;
    std::vector<std::uint8_t> bytes;  // padded with 0xFF to whole pages
};

class LogMemory {
public:
    static constexpr std::uint32_t kPageSize = 256;
    static constexpr std::size_t kMostFiles = 255;  // the count is one byte of the answer
    static constexpr std::size_t kPacketSize = 32;

    explicit LogMemory(std::uint32_t capacity = 8u << 20) : capacity_(capacity) {}

    // Replaces the files with every "*.log" of the folder in name order. A
    // file's number is the number in its name ("LOG00012.log" is 12), else
    // its place in the list from 1. Empty on success, else why nothing was
    // taken.
    std::string LoadFolder(const std::filesystem::path& folder);

    // Empty on success, else why the file was not taken.
    std::string AddFile(std::uint32_t number, std::vector<std::uint8_t> bytes);
    void Clear() { files_.clear(); }

    const std::vector<LogFile>& Files() const { return files_; }
    std::uint32_t UsedBytes() const;
    std::uint32_t Capacity() const { return capacity_; }
    void SetCapacity(std::uint32_t capacity) { capacity_ = capacity; }

    // One packet of the memory from an absolute offset.
    std::array<std::uint8_t, kPacketSize> Read(std::uint32_t offset) const;

private:
    std::uint32_t capacity_;
    std::vector<LogFile> files_;
};
