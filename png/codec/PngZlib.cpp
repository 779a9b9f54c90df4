#include "png/codec/PngZlib.h"

#include "png/codec/PngExceptions.h"

EPNGZLIBError ZlibErrorFor(int code) {
    const char* text;
    switch (code) {
        case Z_NEED_DICT: text = "need dictionary (2)"; break;
        case Z_STREAM_END: text = "stream end (1)"; break;
        case Z_ERRNO: text = "file error (-1)"; break;
        case Z_STREAM_ERROR: text = "stream error (-2)"; break;
        case Z_DATA_ERROR: text = "data error (-3)"; break;
        case Z_MEM_ERROR: text = "insufficient memory (-4)"; break;
        case Z_BUF_ERROR: text = "buffer error (-5)"; break;
        case Z_VERSION_ERROR: text = "incompatible version (-6)"; break;
        default: text = "unknown error"; break;
    }
    return EPNGZLIBError(EPNGZLIBError().Message() + text);
}

TInflater::TInflater() {
    int result = inflateInit(&stream_);
    if (result != Z_OK) throw ZlibErrorFor(result);
}

TDeflater::TDeflater(int level) {
    int result = deflateInit(&stream_, level);
    if (result != Z_OK) throw ZlibErrorFor(result);
}

namespace {

constexpr std::size_t BlockStep = 256;

std::string ZlibMessage(const z_stream& stream, int code) {
    return stream.msg ? stream.msg : ZlibErrorFor(code).Message();
}

}  // namespace

namespace {

TZlibBlockResult StartFailed(int code) {
    TZlibBlockResult result;
    result.ErrorText = ZlibErrorFor(code).Message();
    return result;
}

// Runs the whole input through `step` until the stream ends; `release`
// frees the stream on every path.
template <class Step, class Release>
TZlibBlockResult RunWholeBuffer(z_stream& stream, const std::uint8_t* bytes, std::size_t count, Step step,
                                Release release) {
    TZlibBlockResult result;
    stream.next_in = const_cast<Bytef*>(bytes);
    stream.avail_in = uInt(count);
    for (;;) {
        std::size_t used = result.Output.size();
        result.Output.resize(used + BlockStep);
        stream.next_out = result.Output.data() + used;
        stream.avail_out = BlockStep;
        int code = step(stream);
        result.Output.resize(used + BlockStep - stream.avail_out);
        if (code == Z_STREAM_END) break;
        // A dictionary request cannot be met, so it ends the inflating like an error.
        if (code != Z_OK) {
            result.ErrorText = ZlibMessage(stream, code);
            result.Output.clear();
            release(stream);
            return result;
        }
    }
    release(stream);
    result.Success = true;
    return result;
}

}  // namespace

TZlibBlockResult InflateBuffer(const std::uint8_t* bytes, std::size_t count) {
    z_stream stream{};
    if (int code = inflateInit(&stream); code != Z_OK) return StartFailed(code);
    return RunWholeBuffer(
        stream, bytes, count, [](z_stream& s) { return inflate(&s, Z_NO_FLUSH); }, [](z_stream& s) { inflateEnd(&s); });
}

TZlibBlockResult DeflateBuffer(const std::uint8_t* bytes, std::size_t count, int level) {
    z_stream stream{};
    if (int code = deflateInit(&stream, level); code != Z_OK) return StartFailed(code);
    return RunWholeBuffer(
        stream, bytes, count, [](z_stream& s) { return deflate(&s, Z_FINISH); }, [](z_stream& s) { deflateEnd(&s); });
}
