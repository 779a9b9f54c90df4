#pragma once
// Text tests draw into a PixelCanvas and look at where the ink went.

#include "platform/gdi/DeviceContexts.h"
#include "platform/text/Fonts.h"
#include "tests/support/PixelCanvas.h"

#include <cstring>
#include <string>

namespace text_test {

// The smallest rectangle holding every pixel that differs from background;
// all zero when there is none.
inline platform::RECT InkBox(const PixelCanvas& canvas, platform::COLORREF background) {
    platform::RECT box{canvas.Width(), canvas.Height(), 0, 0};
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.At(x, y) == background) continue;
            box.left = std::min<platform::LONG>(box.left, x);
            box.top = std::min<platform::LONG>(box.top, y);
            box.right = std::max<platform::LONG>(box.right, x + 1);
            box.bottom = std::max<platform::LONG>(box.bottom, y + 1);
        }
    }
    return box.right > box.left ? box : platform::RECT{};
}

inline bool Inside(const platform::RECT& inner, const platform::RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

inline std::string Show(const platform::RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// A font created for the test and selected into a DC for its lifetime.
class SelectedFont {
public:
    SelectedFont(platform::HDC dc, const char* face, int height, int weight = platform::FW_NORMAL, int escapement = 0,
                 platform::BYTE quality = platform::DEFAULT_QUALITY)
        : dc_(dc) {
        platform::LOGFONTA logFont;
        logFont.lfHeight = height;
        logFont.lfWeight = weight;
        logFont.lfEscapement = escapement;
        logFont.lfOrientation = escapement;
        logFont.lfQuality = quality;
        logFont.lfCharSet = platform::DEFAULT_CHARSET;
        std::strncpy(logFont.lfFaceName, face, platform::LF_FACESIZE - 1);
        Make(logFont);
    }
    SelectedFont(platform::HDC dc, const platform::LOGFONTA& logFont) : dc_(dc) { Make(logFont); }
    ~SelectedFont() {
        platform::SelectObject(dc_, old_);
        platform::DeleteObject(font_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    void Make(const platform::LOGFONTA& logFont) {
        font_ = platform::CreateFontIndirectA(&logFont);
        old_ = platform::SelectObject(dc_, font_);
    }
    platform::HDC dc_;
    platform::HFONT font_ = nullptr;
    platform::HGDIOBJ old_ = nullptr;
};

}  // namespace text_test
