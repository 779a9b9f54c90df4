#pragma once
// The pictures of an image list: images of one size kept as 32-bit pixels
// with alpha (premultiplied, top row first), added, replaced, moved and
// deleted by index.

#include <cstdint>
#include <vector>

class TImageStore {
public:
    TImageStore(int width = 16, int height = 16);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list.
    void SetSize(int width, int height);
    int Count() const { return static_cast<int>(images_.size()); }

    // `pixels` holds Width * Height values 0xAARRGGBB; a wrong count is refused with -1.
    int Add(const std::vector<std::uint32_t>& pixels);
    // Images side by side in a strip as wide as a multiple of Width: one
    // image each. Returns the index of the first, -1 when the strip does not fit.
    int AddStrip(const std::vector<std::uint32_t>& pixels, int stripWidth);
    bool Replace(int index, const std::vector<std::uint32_t>& pixels);
    bool Insert(int index, const std::vector<std::uint32_t>& pixels);
    void Delete(int index);
    void Move(int from, int to);
    void Clear() { images_.clear(); }
    // Empty for an index out of range.
    const std::vector<std::uint32_t>& Pixels(int index) const;

    // Premultiplies straight-alpha pixels (as image files hold them).
    static std::uint32_t Premultiply(std::uint32_t argb);

private:
    bool Fits(const std::vector<std::uint32_t>& pixels) const;

    int width_, height_;
    std::vector<std::vector<std::uint32_t>> images_;
};
