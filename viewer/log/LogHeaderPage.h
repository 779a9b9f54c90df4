#pragma once
// The first page of a flight log, kept whole: the settings display reads its
// snapshot by page byte positions.

#include "viewer/log/LogPage.h"

#include <cstdint>
#include <span>
#include <string>

class LogHeaderPage {
public:
    LogHeaderPage() : page_{} {}
    explicit LogHeaderPage(const LogPage& page) : page_(page) {}

    std::uint32_t DeviceIdentity() const { return ReadBigEndian32(&page_[kHeaderIdentityStart]); }
    // The settings blocks as raw bytes; block byte k is page byte start + k.
    std::span<const std::uint8_t, kEasyBlock1Size> EasyBlock1() const {
        return std::span<const std::uint8_t, kEasyBlock1Size>(&page_[kEasyBlock1Start], kEasyBlock1Size);
    }
    std::span<const std::uint8_t, kEasyBlock2Size> EasyBlock2() const {
        return std::span<const std::uint8_t, kEasyBlock2Size>(&page_[kEasyBlock2Start], kEasyBlock2Size);
    }
    const LogPage& Bytes() const { return page_; }

private:
    LogPage page_;
};

// The text-log line of the identity: "ID = " and 8 upper-case hex digits.
std::string DeviceIdentityLine(const LogHeaderPage& header);
