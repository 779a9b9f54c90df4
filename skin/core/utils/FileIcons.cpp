#include "skin/core/utils/FileIcons.h"

#include "ui/core/MemoryStream.h"
#include "ui/graphics/Icon.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace {

constexpr int kLargeSize = 32, kSmallSize = 16;
constexpr std::uint32_t kPage = 0xFFFFFFFF, kEdge = 0xFF5A7FA8, kFold = 0xFFC9D8EA, kClear = 0x00000000;
constexpr int kIconDirSize = 6 + 16, kInfoHeaderSize = 40;

void Put(std::vector<std::uint8_t>& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A page with a folded top-right corner, as 32-bit pixels from the top row down.
std::vector<std::uint32_t> PagePixels(int size) {
    const int left = size / 8, right = size - size / 8 - 1, fold = size / 4;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size), kClear);
    for (int y = 0; y < size; ++y)
        for (int x = left; x <= right; ++x) {
            const int fromCorner = (right - x) + y;  // below the fold's diagonal when >= fold
            std::uint32_t p = kPage;
            if (fromCorner < fold) p = kClear;
            else if (fromCorner == fold || x == left || x == right || y == 0 || y == size - 1) p = kEdge;
            else if (right - x < fold && y < fold) p = kFold;
            pixels[static_cast<std::size_t>(y * size + x)] = p;
        }
    return pixels;
}

// One 32-bit picture in the icon file form; its alpha tells what is transparent.
std::vector<std::uint8_t> IconFile(int size) {
    const std::vector<std::uint32_t> pixels = PagePixels(size);
    const int maskStride = ((size + 31) / 32) * 4;
    const auto imageBytes = static_cast<std::uint32_t>(kInfoHeaderSize + 4 * size * size + maskStride * size);
    std::vector<std::uint8_t> b;
    Put(b, 0, 2), Put(b, 1, 2), Put(b, 1, 2);
    Put(b, static_cast<std::uint32_t>(size), 1), Put(b, static_cast<std::uint32_t>(size), 1), Put(b, 0, 1), Put(b, 0, 1);
    Put(b, 1, 2), Put(b, 32, 2), Put(b, imageBytes, 4), Put(b, kIconDirSize, 4);
    Put(b, kInfoHeaderSize, 4), Put(b, static_cast<std::uint32_t>(size), 4), Put(b, static_cast<std::uint32_t>(2 * size), 4);
    Put(b, 1, 2), Put(b, 32, 2);
    for (int i = 0; i < 6; ++i) Put(b, 0, 4);
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) Put(b, pixels[static_cast<std::size_t>(y * size + x)], 4);
    b.resize(b.size() + static_cast<std::size_t>(maskStride * size), 0);
    return b;
}

}  // namespace

std::unique_ptr<TIcon> GetFileIcon(const std::string& fileName, unsigned flags) {
    std::error_code error;
    if (fileName.empty() || !std::filesystem::exists(fileName, error)) return nullptr;
    const std::vector<std::uint8_t> file = IconFile((flags & SHGFI_SMALLICON) ? kSmallSize : kLargeSize);
    TMemoryStream stream;
    stream.Write(file.data(), static_cast<std::int64_t>(file.size()));
    stream.Seek(0, TSeekOrigin::soBeginning);
    auto icon = std::make_unique<TIcon>();
    icon->LoadFromStream(stream);
    return icon;
}
