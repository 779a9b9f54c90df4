#include "viewer/streamlog/StreamFraming.h"

bool StreamDeframer::SkipToFrameStart() {
    while (offset_ < bytes_.size())
        if (bytes_[offset_++] == kFrameStart) return true;
    return false;
}

bool StreamDeframer::NextFrameByte(std::uint8_t& byte) {
    if (offset_ >= bytes_.size() || bytes_[offset_] == kFrameStart) return false;
    byte = bytes_[offset_++];
    if (byte != kFrameEscape) return true;
    if (offset_ >= bytes_.size() || bytes_[offset_] == kFrameStart) return false;
    const std::uint8_t escaped = bytes_[offset_++];
    byte = escaped == kEscapedFrameStart ? kFrameStart : escaped == kEscapedEscape ? kFrameEscape : escaped;
    return true;
}

bool StreamDeframer::Next(std::vector<std::uint8_t>& packet) {
    const bool atFrameStart = offset_ < bytes_.size() && bytes_[offset_] == kFrameStart;
    if (!atFrameStart && !SkipToFrameStart()) return false;
    if (atFrameStart) ++offset_;
    for (;;) {
        std::uint8_t length = 0;
        bool whole = NextFrameByte(length);
        packet.clear();
        for (std::size_t i = 0; whole && i < length; ++i) {
            std::uint8_t byte = 0;
            whole = NextFrameByte(byte);
            if (whole) packet.push_back(byte);
        }
        if (whole) return true;
        if (offset_ >= bytes_.size()) {
            endedInsideFrame_ = true;
            return false;
        }
        // Another frame starts before this one ended.
        ++brokenFrames_;
        ++offset_;
    }
}
