#pragma once
// A 32-bit top-down bitmap selected into a memory DC for drawing tests: read
// pixels as COLORREF, draw ASCII pictures of a region, and dump a PNG when
// VELZAR_DUMP_DIR is set (for a person to look at).

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "tests/support/PngDump.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

class PixelCanvas {
public:
    PixelCanvas(int width, int height, platform::COLORREF fill = platform::RGB(255, 255, 255))
        : width_(width), height_(height) {
        platform::BITMAPINFO info{};
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biBitCount = 32;
        dc_ = platform::CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = platform::CreateDIBSection(dc_, &info, platform::DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!dc_ || !bitmap_) throw std::runtime_error("cannot make a test canvas");
        pixels_ = static_cast<std::uint32_t*>(bits);
        old_ = platform::SelectObject(dc_, bitmap_);
        Fill(fill);
    }
    ~PixelCanvas() {
        platform::SelectObject(dc_, old_);
        platform::DeleteDC(dc_);
        platform::DeleteObject(bitmap_);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    platform::HDC Dc() const { return dc_; }
    platform::HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(platform::COLORREF color) {
        for (int i = 0; i < width_ * height_; ++i) pixels_[i] = Raw(color);
    }
    // Straight from memory, whatever the DC's mapping and clip.
    platform::COLORREF At(int x, int y) const {
        std::uint32_t p = pixels_[y * width_ + x];
        return platform::RGB(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                             static_cast<std::uint8_t>(p));
    }
    std::uint32_t RawAt(int x, int y) const { return pixels_[y * width_ + x]; }
    void SetRaw(int x, int y, std::uint32_t value) { pixels_[y * width_ + x] = value; }
    static std::uint32_t Raw(platform::COLORREF c) {
        return (static_cast<std::uint32_t>(platform::GetRValue(c)) << 16) |
               (static_cast<std::uint32_t>(platform::GetGValue(c)) << 8) | platform::GetBValue(c);
    }

    // One text row per pixel row: `ink` where the pixel equals `color`, '.'
    // elsewhere; tests compare whole small pictures this way.
    std::string Picture(platform::COLORREF color, char ink = '#') const {
        std::string text;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) text += At(x, y) == color ? ink : '.';
            text += '\n';
        }
        return text;
    }
    int Count(platform::COLORREF color) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) n += At(x, y) == color;
        return n;
    }

    void Dump(const std::string& name) const {
        if (const char* dir = std::getenv("VELZAR_DUMP_DIR"))
            png_dump::WritePng(std::string(dir) + "/" + name + ".png", pixels_, width_, height_, width_);
    }

private:
    int width_;
    int height_;
    platform::HDC dc_ = nullptr;
    platform::HBITMAP bitmap_ = nullptr;
    platform::HGDIOBJ old_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
};
