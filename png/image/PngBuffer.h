#pragma once
// A zero-filled block of bytes owned by its holder. Large pictures get their
// zero pages lazily from the system, and a refused allocation becomes the
// codec's out-of-resources error instead of ending the program.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

class TPngBuffer {
public:
    TPngBuffer() = default;
    // size bytes, every one set to fill; raises EPNGOutMemory when refused.
    explicit TPngBuffer(std::size_t size, std::uint8_t fill = 0);

    std::uint8_t* Data() { return bytes_.get(); }
    const std::uint8_t* Data() const { return bytes_.get(); }
    std::size_t Size() const { return size_; }
    bool Empty() const { return size_ == 0; }
    void Reset() {
        bytes_.reset();
        size_ = 0;
    }

private:
    struct FreeBytes {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };
    std::unique_ptr<std::uint8_t, FreeBytes> bytes_;
    std::size_t size_ = 0;
};
