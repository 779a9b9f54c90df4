#pragma once
// Streams kept in memory: TMemoryStream over a growing byte block and
// TStringStream over a string.

#include "ui/core/Stream.h"

#include <string>
#include <string_view>
#include <vector>

class TMemoryStream : public TStream {
public:
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    // Seeking past the end is allowed; a later write fills the gap with zeros.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }
    void SetSize(std::int64_t size) override;

    const char* Memory() const { return data_.data(); }
    char* Memory() { return data_.data(); }
    std::string_view Bytes() const { return {data_.data(), data_.size()}; }
    void Clear();
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);
    // Raise EFOpenError / EFCreateError.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

private:
    std::vector<char> data_;
    std::int64_t position_ = 0;
};

class TStringStream : public TMemoryStream {
public:
    explicit TStringStream(const std::string& data = {});
    std::string DataString() const { return std::string(Bytes()); }
    // Reads up to `count` bytes from the position.
    std::string ReadString(std::int64_t count);
    void WriteString(const std::string& text);
};
