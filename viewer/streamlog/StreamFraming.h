#pragma once
// The stream log's framing: 0xC0 starts a frame wherever it appears (and
// cuts short a frame in progress), a length byte follows, then that many
// packet bytes; 0xDB escapes the next byte (DB DC is C0, DB DD is DB, DB and
// any other byte is that byte). Bytes after a packet up to the next 0xC0
// belong to no packet.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

inline constexpr std::uint8_t kFrameStart = 0xC0;
inline constexpr std::uint8_t kFrameEscape = 0xDB;
inline constexpr std::uint8_t kEscapedFrameStart = 0xDC;
inline constexpr std::uint8_t kEscapedEscape = 0xDD;

class StreamDeframer {
public:
    explicit StreamDeframer(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // The next whole packet, unescaped; false once the bytes are used up.
    bool Next(std::vector<std::uint8_t>& packet);
    // Bytes taken so far, up to the end of the last packet returned.
    std::size_t Offset() const { return offset_; }
    // The bytes ended inside a frame: its packet was cut off.
    bool EndedInsideFrame() const { return endedInsideFrame_; }
    // Frames cut short by the start of another.
    std::size_t BrokenFrames() const { return brokenFrames_; }

private:
    // The next byte with its escape undone; false at the end of the bytes or
    // at a frame start, which is left to be read again.
    bool NextFrameByte(std::uint8_t& byte);
    bool SkipToFrameStart();

    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
    bool endedInsideFrame_ = false;
    std::size_t brokenFrames_ = 0;
};
