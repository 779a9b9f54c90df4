#pragma once
// Streams over system file handles: THandleStream over a handle the caller
// keeps, TFileStream over a file it opens and closes.

#include "ui/core/Stream.h"

#include "platform/system/Handles.h"

#include <cstdint>
#include <string>

// Open modes; a share mode may be or-ed in and is accepted as the system does.
constexpr std::uint16_t fmCreate = 0xFF00;
constexpr std::uint16_t fmOpenRead = 0x0000;
constexpr std::uint16_t fmOpenWrite = 0x0001;
constexpr std::uint16_t fmOpenReadWrite = 0x0002;
constexpr std::uint16_t fmShareCompat = 0x0000;
constexpr std::uint16_t fmShareExclusive = 0x0010;
constexpr std::uint16_t fmShareDenyWrite = 0x0020;
constexpr std::uint16_t fmShareDenyRead = 0x0030;
constexpr std::uint16_t fmShareDenyNone = 0x0040;

class THandleStream : public TStream {
public:
    explicit THandleStream(platform::HANDLE handle) : handle_(handle) {}
    platform::HANDLE Handle() const { return handle_; }

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    // Raises EStreamError with the system's text when the file cannot change size.
    void SetSize(std::int64_t size) override;

protected:
    platform::HANDLE handle_;
};

class TFileStream : public THandleStream {
public:
    // Raises EFCreateError "Cannot create file "%s". <reason>" or EFOpenError
    // "Cannot open file "%s". <reason>".
    TFileStream(const std::string& fileName, std::uint16_t mode);
    ~TFileStream() override;
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};
