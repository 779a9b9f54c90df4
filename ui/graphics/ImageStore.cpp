#include "ui/graphics/ImageStore.h"

#include <algorithm>

TImageStore::TImageStore(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {}

void TImageStore::SetSize(int width, int height) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    images_.clear();
}

bool TImageStore::Fits(const std::vector<std::uint32_t>& pixels) const {
    return pixels.size() == static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
}

int TImageStore::Add(const std::vector<std::uint32_t>& pixels) {
    if (!Fits(pixels)) return -1;
    images_.push_back(pixels);
    return Count() - 1;
}

int TImageStore::AddStrip(const std::vector<std::uint32_t>& pixels, int stripWidth) {
    if (stripWidth <= 0 || stripWidth % width_ != 0 ||
        pixels.size() != static_cast<std::size_t>(stripWidth) * static_cast<std::size_t>(height_))
        return -1;
    int first = Count();
    for (int x0 = 0; x0 < stripWidth; x0 += width_) {
        std::vector<std::uint32_t> image;
        image.reserve(static_cast<std::size_t>(width_ * height_));
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) image.push_back(pixels[static_cast<std::size_t>(y * stripWidth + x0 + x)]);
        images_.push_back(std::move(image));
    }
    return first;
}

bool TImageStore::Replace(int index, const std::vector<std::uint32_t>& pixels) {
    if (index < 0 || index >= Count() || !Fits(pixels)) return false;
    images_[static_cast<std::size_t>(index)] = pixels;
    return true;
}

bool TImageStore::Insert(int index, const std::vector<std::uint32_t>& pixels) {
    if (index < 0 || index > Count() || !Fits(pixels)) return false;
    images_.insert(images_.begin() + index, pixels);
    return true;
}

void TImageStore::Delete(int index) {
    if (index >= 0 && index < Count()) images_.erase(images_.begin() + index);
}

void TImageStore::Move(int from, int to) {
    if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
    auto image = std::move(images_[static_cast<std::size_t>(from)]);
    images_.erase(images_.begin() + from);
    images_.insert(images_.begin() + to, std::move(image));
}

const std::vector<std::uint32_t>& TImageStore::Pixels(int index) const {
    static const std::vector<std::uint32_t> none;
    if (index < 0 || index >= Count()) return none;
    return images_[static_cast<std::size_t>(index)];
}

std::uint32_t TImageStore::Premultiply(std::uint32_t argb) {
    std::uint32_t a = argb >> 24;
    auto channel = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (channel((argb >> 16) & 0xFF) << 16) | (channel((argb >> 8) & 0xFF) << 8) | channel(argb & 0xFF);
}
