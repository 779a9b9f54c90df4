#include "tools/skingen/ClassicSkinArt.h"

#include "ui/core/MemoryStream.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>

namespace {

// 0x00RRGGBB here; the options text turns them into the skin's 0x00BBGGRR.
using Rgb = std::uint32_t;
constexpr Rgb kKey = 0xFF00FF;
constexpr Rgb kFace = 0xF5F6F8, kFaceHot = 0xE9F2FC, kFacePressed = 0xD5E5F7, kWhite = 0xFFFFFF;
constexpr Rgb kLine = 0xB9C0C9, kLineHot = 0x4A8FD8, kAccent = 0x2E7DD0, kInk = 0x262A30, kMuted = 0x9AA1AA;
constexpr Rgb kTitle = 0xE4E9F0, kTitleInactive = 0xEEF0F3, kClose = 0xD9453B;
constexpr std::uint8_t kOpaque = 0, kClear = 255;

constexpr int kMasterWidth = 255, kMasterHeight = 231;
constexpr int kHugeFrame = 96, kHugeWidth = 3 * kHugeFrame, kHugeHeight = 2 * kHugeFrame;

class Canvas {
public:
    Canvas(int w, int h, Rgb fill) : w_(w), h_(h), pixels_(static_cast<std::size_t>(w * h), fill) {}
    void Put(int x, int y, Rgb c) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_) pixels_[static_cast<std::size_t>(y * w_ + x)] = c;
    }
    void Fill(int x, int y, int w, int h, Rgb c) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i) Put(i, j, c);
    }
    // A rounded rectangle's outline and face; outside the corners stays as it was.
    void RoundRect(int x, int y, int w, int h, int r, Rgb line, Rgb face) {
        ForRounded(x, y, w, h, r, [&](int i, int j, bool edge) { Put(i, j, edge ? line : face); });
    }
    // The mask of the same rounded rectangle: opaque inside, clear outside.
    void RoundMask(int x, int y, int w, int h, int r) {
        Fill(x, y, w, h, Grey(kClear));
        ForRounded(x, y, w, h, r, [&](int i, int j, bool) { Put(i, j, Grey(kOpaque)); });
    }
    void Line(int x0, int y0, int x1, int y1, Rgb c) {
        int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int s = 0; s <= steps; ++s)
            Put(x0 + (steps ? (x1 - x0) * s / steps : 0), y0 + (steps ? (y1 - y0) * s / steps : 0), c);
    }
    void Circle(int cx, int cy, double r, Rgb line, Rgb face) {
        for (int j = static_cast<int>(cy - r - 1); j <= cy + r + 1; ++j)
            for (int i = static_cast<int>(cx - r - 1); i <= cx + r + 1; ++i) {
                double d = std::hypot(i - cx, j - cy);
                if (d <= r - 1) Put(i, j, face);
                else if (d <= r) Put(i, j, line);
            }
    }
    static Rgb Grey(std::uint8_t v) { return static_cast<Rgb>(v) * 0x010101; }

    std::string Bmp() const {
        TBitmap bitmap(w_, h_, TPixelFormat::pf24bit);
        for (int y = 0; y < h_; ++y) {
            auto* row = static_cast<std::uint8_t*>(bitmap.ScanLine(y));
            for (int x = 0; x < w_; ++x) {
                Rgb c = pixels_[static_cast<std::size_t>(y * w_ + x)];
                row[x * 3] = c & 0xFF;
                row[x * 3 + 1] = (c >> 8) & 0xFF;
                row[x * 3 + 2] = (c >> 16) & 0xFF;
            }
        }
        TMemoryStream stream;
        bitmap.SaveToStream(stream);
        return std::string(stream.Memory(), static_cast<std::size_t>(stream.Size()));
    }

private:
    template <class Visit>
    void ForRounded(int x, int y, int w, int h, int r, Visit visit) {
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                int dx = std::max({r - i, i - (w - 1 - r), 0}), dy = std::max({r - j, j - (h - 1 - r), 0});
                double d = std::hypot(dx, dy);
                if (r > 0 && d > r + 0.2) continue;
                bool edge = i == 0 || j == 0 || i == w - 1 || j == h - 1 || (r > 0 && d > r - 0.8);
                visit(x + i, y + j, edge);
            }
    }
    int w_, h_;
    std::vector<Rgb> pixels_;
};

struct Look {
    Rgb line, face;
};

// Three states side by side, the picture over its mask.
void MaskedFrames(Canvas& c, int x, int y, int frame, int height, int radius, const Look (&looks)[3]) {
    for (int n = 0; n < 3; ++n) {
        c.RoundRect(x + n * frame, y, frame, height, radius, looks[n].line, looks[n].face);
        c.RoundMask(x + n * frame, y + height, frame, height, radius);
    }
}

void CheckMark(Canvas& c, int x, int y, int size, Rgb ink) {
    int s = size;
    for (int t = 0; t < 2; ++t) {
        c.Line(x + s / 4, y + s / 2 + t, x + s * 5 / 12, y + s * 3 / 4 - 1 + t, ink);
        c.Line(x + s * 5 / 12, y + s * 3 / 4 - 1 + t, x + s * 3 / 4, y + s / 4 + t, ink);
    }
}

// Check boxes, radio buttons and small boxes: normal, hot, pressed.
void Boxes(Canvas& c, int x, int y, int size, bool radio, int mark) {
    const Look looks[3] = {{kLine, kWhite}, {kLineHot, kFaceHot}, {kAccent, kFacePressed}};
    for (int n = 0; n < 3; ++n) {
        int fx = x + n * size;
        c.Fill(fx, y, size, size, kKey);
        if (radio) c.Circle(fx + size / 2, y + size / 2, size / 2.0 - 0.5, looks[n].line, looks[n].face);
        else c.RoundRect(fx, y, size, size, 2, looks[n].line, looks[n].face);
        if (mark == 1 && radio) c.Circle(fx + size / 2, y + size / 2, size / 5.0, kAccent, kAccent);
        if (mark == 1 && !radio) CheckMark(c, fx, y, size, kAccent);
        if (mark == 2) c.Fill(fx + size / 4 + 1, y + size / 4 + 1, size / 2 - 1, size / 2 - 1, kMuted);
    }
}

// `back` is the colour behind the glyph, for the parts a glyph hides of itself.
using Glyph = std::function<void(Canvas&, int x, int y, Rgb ink, Rgb back)>;

// Title-bar buttons: a soft square behind the glyph when hot and pressed.
void TitleIcon(Canvas& c, int x, int y, const Glyph& glyph, Rgb hotBack) {
    constexpr int kSize = 16;
    const Rgb backs[3] = {kKey, hotBack, hotBack == kClose ? 0xB23A31 : kFacePressed};
    const Rgb inks[3] = {kInk, hotBack == kClose ? kWhite : kInk, hotBack == kClose ? kWhite : kInk};
    for (int n = 0; n < 3; ++n) {
        c.Fill(x + n * kSize, y, kSize, kSize, backs[n]);
        glyph(c, x + n * kSize, y, inks[n], backs[n]);
    }
}

void Arrow(Canvas& c, int x, int y, int dir, Rgb ink) {
    // dir: 0 up, 1 down, 2 left, 3 right; a 9x9 cell.
    for (int k = 0; k < 3; ++k)
        for (int t = -k; t <= k; ++t) {
            int a = 3 + k, b = 4 + t;
            if (dir == 0) c.Put(x + b, y + a, ink);
            if (dir == 1) c.Put(x + b, y + 8 - a, ink);
            if (dir == 2) c.Put(x + a, y + b, ink);
            if (dir == 3) c.Put(x + 8 - a, y + b, ink);
        }
}

// Panels, the status bar, scroll tracks and the track bar, in the row
// below the tabs. A plain frame's sides are copied whole, key colour and
// all, so inside their outlines the frames carry the section's own colour;
// only the rounded corners stay key-coloured for the parent to show.
void PlainMasks(Canvas& c) {
    constexpr int kRow = 194, kCell = 12;
    constexpr Rgb kPanelFace = 0xF3F4F7, kLowFace = 0xF2EEDF, kBarFace = 0xEEF0F3;
    c.Fill(0, kRow, kMasterWidth, kMasterHeight - kRow, kKey);
    // PANEL (0,194,12,206): a soft outline with a light inner top edge.
    c.RoundRect(0, kRow, kCell, kCell, 3, kLine, kPanelFace);
    c.Fill(3, kRow + 1, kCell - 6, 1, kWhite);
    // PANEL_LOW (12,194,24,206): the same outline, shaded inside at the top.
    c.RoundRect(12, kRow, kCell, kCell, 3, kLine, kLowFace);
    c.Fill(15, kRow + 1, kCell - 6, 1, 0xDDE1E6);
    // STATUSBAR (24,194,36,206): a line along the top.
    c.Fill(24, kRow, kCell, kCell, kBarFace);
    c.Fill(24, kRow, kCell, 1, kLine);
    // SCROLLBAR tracks (36,194,48,206): a quiet groove.
    c.RoundRect(36, kRow, kCell, kCell, 3, 0xE6E9ED, 0xF0F2F5);
    // TRACKBAR channel (48,194,60,200).
    c.RoundRect(48, kRow, kCell, 6, 2, kLine, 0xE6E9ED);
    // TRACKBAR thumbs: horizontal (60,194,96,212) and vertical (96,194,150,206),
    // normal, hot and pressed.
    const Look thumbs[3] = {{kLine, kWhite}, {kLineHot, kFaceHot}, {kAccent, kFacePressed}};
    for (int n = 0; n < 3; ++n) {
        c.RoundRect(60 + n * 12, kRow, 12, 18, 3, thumbs[n].line, thumbs[n].face);
        c.RoundRect(96 + n * 18, kRow, 18, 12, 3, thumbs[n].line, thumbs[n].face);
    }
}

std::string MasterBitmap() {
    Canvas c(kMasterWidth, kMasterHeight, kKey);
    const Look buttons[3] = {{kLine, kFace}, {kLineHot, kFaceHot}, {kAccent, kFacePressed}};
    MaskedFrames(c, 0, 0, 24, 24, 3, buttons);  // BUTTON (0,0,72,48)
    const Look edits[3] = {{kLine, kWhite}, {kAccent, kWhite}, {kAccent, kWhite}};
    for (int n = 0; n < 2; ++n) {  // EDIT (72,0,104,32): normal, focused
        c.RoundRect(72 + n * 16, 0, 16, 16, 2, edits[n].line, edits[n].face);
        if (n == 1) c.RoundRect(73 + n * 16, 1, 14, 14, 1, kAccent, kWhite);
        c.RoundMask(72 + n * 16, 16, 16, 16, 2);
    }
    for (int n = 0; n < 2; ++n) {  // FORM (104,0,136,16): active, inactive
        c.Fill(104 + n * 16, 0, 16, 16, n == 0 ? kTitle : kTitleInactive);
        c.Fill(104 + n * 16 + 1, 1, 14, 14, n == 0 ? kTitle : kTitleInactive);
        c.Fill(104 + n * 16, 0, 16, 1, n == 0 ? kLineHot : kLine);
        c.Fill(104 + n * 16, 15, 16, 1, kLine);
        c.Fill(104 + n * 16, 0, 1, 16, kLine);
        c.Fill(104 + n * 16 + 15, 0, 1, 16, kLine);
    }
    const Look sliders[3] = {{0xC9CED5, 0xDADEE3}, {0xA9B0BA, 0xC4CAD1}, {0x8E96A1, 0xADB4BD}};
    MaskedFrames(c, 136, 0, 12, 12, 4, sliders);  // SCROLLSLIDER (136,0,172,24)
    for (int d = 0; d < 4; ++d)                    // scroll arrows (172, 9*d, 199, 9*d+9)
        for (int n = 0; n < 3; ++n) {
            c.Fill(172 + n * 9, d * 9, 9, 9, kKey);
            Arrow(c, 172 + n * 9, d * 9, d, n == 0 ? kMuted : kInk);
        }
    const Look scrollButtons[3] = {{kFace, kFace}, {0xD5DAE0, 0xE2E6EA}, {0xB9C0C9, 0xCDD3DA}};
    MaskedFrames(c, 199, 0, 12, 12, 2, scrollButtons);  // SCROLLBTN (199,0,235,24)
    // Small plain masks of 12x12, keyed corners.
    auto small = [&](int x, Rgb line, Rgb face, int radius) {
        c.Fill(x, 48, 12, 12, kKey);
        c.RoundRect(x, 48, 12, 12, radius, line, face);
    };
    small(0, kLine, 0xFFFDF2, 3);        // HINT
    small(12, kLineHot, kFaceHot, 2);    // MENUITEM
    small(24, kLine, kFace, 3);          // GROUPBOX
    small(36, 0x3C8AD8, 0x5CA0E6, 2);    // PROGRESSH
    small(48, 0x3C8AD8, 0x5CA0E6, 2);    // PROGRESSV
    const Look speed[3] = {{kFace, kFace}, {kLineHot, kFaceHot}, {kAccent, kFacePressed}};
    MaskedFrames(c, 72, 32, 24, 24, 3, speed);  // SPEEDBUTTON (72,32,144,80)
    Boxes(c, 0, 80, 15, false, 0);   // BOXUNCHECKED
    Boxes(c, 45, 80, 15, false, 1);  // BOXCHECKED
    Boxes(c, 90, 80, 15, false, 2);  // BOXGRAYED
    Boxes(c, 0, 96, 15, true, 0);    // RADIOUNCHECKED
    Boxes(c, 45, 96, 15, true, 1);   // RADIOCHECKED
    Boxes(c, 90, 96, 15, true, 2);   // RADIOGRAYED
    Boxes(c, 0, 112, 11, false, 0);  // SMALLUNCHECKED
    Boxes(c, 33, 112, 11, false, 1); // SMALLCHECKED
    Boxes(c, 66, 112, 11, false, 2); // SMALLGRAYED
    TitleIcon(c, 0, 124, [](Canvas& k, int x, int y, Rgb ink, Rgb) {  // BICONCLOSE
        for (int t = 0; t < 2; ++t) {
            k.Line(x + 4 + t, y + 4, x + 11 + t, y + 11, ink);
            k.Line(x + 11 + t, y + 4, x + 4 + t, y + 11, ink);
        }
    }, kClose);
    TitleIcon(c, 48, 124, [](Canvas& k, int x, int y, Rgb ink, Rgb back) {  // BICONMAX
        k.RoundRect(x + 4, y + 4, 8, 8, 0, ink, back);
        k.Fill(x + 4, y + 5, 8, 1, ink);
    }, 0xD5DAE0);
    TitleIcon(c, 96, 124, [](Canvas& k, int x, int y, Rgb ink, Rgb) {  // BICONMIN
        k.Fill(x + 4, y + 10, 8, 2, ink);
    }, 0xD5DAE0);
    TitleIcon(c, 144, 124, [](Canvas& k, int x, int y, Rgb ink, Rgb back) {  // BICONNORM
        k.RoundRect(x + 6, y + 3, 7, 7, 0, ink, back);
        k.RoundRect(x + 3, y + 6, 7, 7, 0, ink, back);
    }, 0xD5DAE0);
    TitleIcon(c, 192, 124, [](Canvas& k, int x, int y, Rgb ink, Rgb) {  // BICONHELP
        k.Line(x + 5, y + 5, x + 7, y + 3, ink);
        k.Line(x + 7, y + 3, x + 9, y + 3, ink);
        k.Line(x + 9, y + 3, x + 11, y + 5, ink);
        k.Line(x + 11, y + 5, x + 8, y + 8, ink);
        k.Fill(x + 8, y + 8, 1, 2, ink);
        k.Fill(x + 8, y + 12, 1, 1, ink);
    }, 0xD5DAE0);
    const Look title[3] = {{kKey, kKey}, {0xC4CAD1, 0xD5DAE0}, {0xA9B0BA, 0xC4CAD1}};
    for (int n = 0; n < 3; ++n) {  // TITLEBUTTON (0,141,60,161)
        c.Fill(n * 20, 141, 20, 20, kKey);
        if (n > 0) c.RoundRect(n * 20, 141, 20, 20, 3, title[n].line, title[n].face);
    }
    for (int i = 0; i < 3; ++i)  // GRIPIMAGE (60,141,72,153): dots in a corner
        for (int j = 0; j <= i; ++j) c.Fill(60 + 9 - 4 * j, 141 + 9 - 4 * (i - j), 2, 2, kMuted);
    c.Fill(72, 141, 6, 6, kFace);  // GRIPH texture (72,141,78,147)
    c.Fill(74, 143, 2, 2, kMuted);
    const Look tabs[3] = {{kLine, 0xE9ECF0}, {kLineHot, kFaceHot}, {kLine, kWhite}};
    for (int t = 0; t < 4; ++t) MaskedFrames(c, t * 48, 162, 16, 16, 2, tabs);  // TAB* (48*t,162,+48,194)
    for (int n = 0; n < 3; ++n) {  // COMBOBOX glyph (192,162,219,171)
        c.Fill(192 + n * 9, 162, 9, 9, kKey);
        Arrow(c, 192 + n * 9, 162, 1, n == 0 ? kInk : kAccent);
    }
    PlainMasks(c);
    return c.Bmp();
}

std::string HugeButton() {
    Canvas c(kHugeWidth, kHugeHeight, kKey);
    const Look looks[3] = {{kLine, kFace}, {kLineHot, kFaceHot}, {kAccent, kFacePressed}};
    MaskedFrames(c, 0, 0, kHugeFrame, kHugeFrame, 10, looks);
    return c.Bmp();
}

}  // namespace

std::string ClassicSkinOptions();

std::vector<TSkPackageEntry> ClassicSkinEntries() {
    return {{"Options.dat", ClassicSkinOptions()}, {"ButtonHuge.bmp", HugeButton()}, {"Master.bmp", MasterBitmap()}};
}
