#pragma once
// The read-only inflating stream a packed skin's entries are read through:
// it inflates one zlib stream from a shared source and hands back the input
// it did not use, so the source stands right after that zlib stream.

#include "png/codec/PngZlib.h"

#include "ui/core/Events.h"
#include "ui/core/Exceptions.h"
#include "ui/core/Stream.h"

#include <array>
#include <cstdint>

class EZLibError : public Exception {
public:
    EZLibError(int code, const std::string& message) : Exception(message), code_(code) {}
    const char* ClassName() const override { return "EZLibError"; }
    int Code() const { return code_; }

private:
    int code_;
};
VELZAR_EXCEPTION(EZDecompressionError, EZLibError);

// zlib's result text for a code from 2 down to -6.
std::string ZlibErrorText(int code);

class TCustomZStream : public TStream {
public:
    explicit TCustomZStream(TStream& source);
    // Raised after every refill of the input buffer.
    TNotifyEvent OnProgress;

protected:
    static constexpr std::size_t kInputBufferSize = 65536;
    TStream& source_;
    std::int64_t sourcePosition_;
    TInflater zlib_;
    std::array<std::uint8_t, kInputBufferSize> input_{};
};

class TZDecompressionStream : public TCustomZStream {
public:
    // Starts at the source's current position.
    explicit TZDecompressionStream(TStream& source);
    std::int64_t Read(void* buffer, std::int64_t count) override;
    // Always raises: the stream is read-only.
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    // Forward only, or back to the start of this zlib stream (the position
    // it was created at); the result is the count inflated so far.
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

private:
    void SkipForward(std::int64_t distance);
    void Check(int code) const;

    std::int64_t startPosition_;
    bool ended_ = false;
};
