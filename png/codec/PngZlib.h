#pragma once
// zlib streams owned by their holders (ended on every path out), and whole
// blocks inflated or deflated in memory.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include <zlib.h>

class TInflater {
public:
    TInflater();  // raises EPNGZLIBError when zlib cannot start
    ~TInflater() { inflateEnd(&stream_); }
    TInflater(const TInflater&) = delete;
    TInflater& operator=(const TInflater&) = delete;
    z_stream& Stream() { return stream_; }

private:
    z_stream stream_{};
};

class TDeflater {
public:
    explicit TDeflater(int level);  // raises EPNGZLIBError for a level zlib refuses
    ~TDeflater() { deflateEnd(&stream_); }
    TDeflater(const TDeflater&) = delete;
    TDeflater& operator=(const TDeflater&) = delete;
    z_stream& Stream() { return stream_; }

private:
    z_stream stream_{};
};

struct TZlibBlockResult {
    bool Success = false;
    std::vector<std::uint8_t> Output;
    std::string ErrorText;
};

// A whole zlib stream held in memory; a damaged, cut or dictionary-bound stream fails.
TZlibBlockResult InflateBuffer(const std::uint8_t* bytes, std::size_t count);
TZlibBlockResult DeflateBuffer(const std::uint8_t* bytes, std::size_t count, int level);
