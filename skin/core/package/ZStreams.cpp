#include "skin/core/package/ZStreams.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr std::int64_t kSkipPiece = 8192;
constexpr const char* kInvalidOperation = "Invalid ZStream operation!";

}  // namespace

std::string ZlibErrorText(int code) {
    static const char* const kTexts[] = {"need dictionary", "stream end",          "ok",
                                         "file error",      "stream error",        "data error",
                                         "insufficient memory", "buffer error",    "incompatible version"};
    int index = 2 - code;
    return index >= 0 && index < static_cast<int>(std::size(kTexts)) ? kTexts[index] : "";
}

TCustomZStream::TCustomZStream(TStream& source) : source_(source), sourcePosition_(source.Position()) {
    zlib_.Stream().next_in = input_.data();
    zlib_.Stream().avail_in = 0;
}

TZDecompressionStream::TZDecompressionStream(TStream& source)
    : TCustomZStream(source), startPosition_(sourcePosition_) {}

void TZDecompressionStream::Check(int code) const {
    // Packages carry no preset dictionary; inflate would wait for one forever.
    if (code < 0 || code == Z_NEED_DICT) throw EZDecompressionError(code, ZlibErrorText(code));
}

std::int64_t TZDecompressionStream::Read(void* buffer, std::int64_t count) {
    z_stream& z = zlib_.Stream();
    z.next_out = static_cast<Bytef*>(buffer);
    z.avail_out = static_cast<uInt>(count);
    // Other readers of the shared source may have moved it.
    if (source_.Position() != sourcePosition_) source_.SetPosition(sourcePosition_);
    while (z.avail_out > 0 && !ended_) {
        if (z.avail_in == 0) {
            std::int64_t got = source_.Read(input_.data(), static_cast<std::int64_t>(input_.size()));
            if (got <= 0) break;
            z.next_in = input_.data();
            z.avail_in = static_cast<uInt>(got);
            sourcePosition_ = source_.Position();
            FireEvent(OnProgress, this);
        }
        int result = inflate(&z, Z_NO_FLUSH);
        Check(result);
        if (result == Z_STREAM_END) ended_ = true;
    }
    if (ended_ && z.avail_in > 0) {
        sourcePosition_ = source_.Seek(-static_cast<std::int64_t>(z.avail_in), TSeekOrigin::soCurrent);
        z.avail_in = 0;
    }
    return count - z.avail_out;
}

std::int64_t TZDecompressionStream::Write(const void*, std::int64_t) {
    throw EZDecompressionError(Z_STREAM_ERROR, kInvalidOperation);
}

void TZDecompressionStream::SkipForward(std::int64_t distance) {
    std::array<std::uint8_t, kSkipPiece> scrap;
    while (distance > 0) {
        std::int64_t piece = std::min(distance, kSkipPiece);
        std::int64_t got = Read(scrap.data(), piece);
        if (got < piece) return;
        distance -= got;
    }
}

std::int64_t TZDecompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    z_stream& z = zlib_.Stream();
    std::int64_t done = static_cast<std::int64_t>(z.total_out);
    if (origin == TSeekOrigin::soBeginning && offset == 0) {
        // Back to this entry's own start, not the start of the package.
        Check(inflateReset(&z));
        z.avail_in = 0;
        ended_ = false;
        sourcePosition_ = source_.Seek(startPosition_, TSeekOrigin::soBeginning);
    } else if (origin == TSeekOrigin::soCurrent && offset >= 0) {
        SkipForward(offset);
    } else if (origin == TSeekOrigin::soBeginning && offset >= done) {
        SkipForward(offset - done);
    } else if (origin == TSeekOrigin::soEnd && offset == 0) {
        std::array<std::uint8_t, kSkipPiece> scrap;
        while (Read(scrap.data(), kSkipPiece) > 0) {
        }
    } else {
        throw EZDecompressionError(Z_STREAM_ERROR, kInvalidOperation);
    }
    return static_cast<std::int64_t>(z.total_out);
}
