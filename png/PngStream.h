#pragma once
// The byte stream the codec reads pictures from and writes them to, and the
// in-memory stream. A short read is no error here: the caller sees the count.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TPngStream {
public:
    virtual ~TPngStream() = default;
    // Reads up to count bytes; gives the number read.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual void Write(const void* buffer, std::size_t count) = 0;
    // Moves the position count bytes forward (past the end is allowed; reads there give nothing).
    virtual void Skip(std::uint64_t count) = 0;
    virtual std::uint64_t Position() const = 0;
};

class TPngMemoryStream : public TPngStream {
public:
    TPngMemoryStream() = default;
    explicit TPngMemoryStream(std::string_view bytes) : bytes_(bytes.begin(), bytes.end()) {}
    explicit TPngMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    void Skip(std::uint64_t count) override { position_ += count; }
    std::uint64_t Position() const override { return position_; }

    void Rewind() { position_ = 0; }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::string Text() const { return std::string(bytes_.begin(), bytes_.end()); }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint64_t position_ = 0;
};
