#include "platform/gdi/Clipping.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/detail/DeviceContextState.h"
#include "platform/system/LastError.h"
#include "platform/text/TextMetrics.h"
#include "platform/text/TextOut.h"
#include "tests/platform/TextTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

namespace platform {
namespace {

using text_test::InkBox;
using text_test::Inside;
using text_test::SelectedFont;
using text_test::Show;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

SIZE Extent(HDC dc, const char* text) {
    SIZE size;
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size));
    return size;
}

TEST(TextOut, CyrillicInkStaysInsideItsMeasuredExtent) {
    const char* text = "Настройки полёта: ЩЁЙ щёй";
    for (const char* face : {"Arial", "Tahoma", "MS Sans Serif", "Times New Roman", "Courier New", "Verdana"}) {
        for (int height : {-11, -16, 24}) {
            PixelCanvas canvas(400, 60);
            SelectedFont font(canvas.Dc(), face, height);
            SetBkMode(canvas.Dc(), TRANSPARENT);
            ASSERT_TRUE(TextOutA(canvas.Dc(), 10, 10, text, static_cast<int>(std::strlen(text))));
            SIZE size = Extent(canvas.Dc(), text);
            RECT extent{10, 10, 10 + size.cx, 10 + size.cy};
            RECT ink = InkBox(canvas, kWhite);
            EXPECT_TRUE(Inside(ink, extent)) << face << height << " ink " << Show(ink) << " extent " << Show(extent);
            // The ink fills the extent along the line, not just a corner of it.
            EXPECT_LE(ink.left, extent.left + 3) << face << height;
            EXPECT_GE(ink.right, extent.right - 4) << face << height;
            EXPECT_GE(ink.bottom - ink.top, size.cy * 2 / 3) << face << height;
            canvas.Dump(std::string("cyrillic-") + face + std::to_string(height));
        }
    }
}

TEST(TextOut, RotatedTextLandsWhereTheAlignmentSays) {
    const char* text = "Высота, м";
    const int x = 150, y = 150;
    struct Case {
        int escapement;
        UINT align;
    } cases[] = {
        {900, TA_LEFT | TA_TOP},  {900, TA_LEFT | TA_BOTTOM},  {900, TA_RIGHT | TA_TOP},
        {900, TA_CENTER | TA_BASELINE},  {2700, TA_LEFT | TA_TOP}, {2700, TA_LEFT | TA_BOTTOM},
        {2700, TA_RIGHT | TA_BASELINE}, {2700, TA_CENTER | TA_TOP}, {0, TA_RIGHT | TA_BOTTOM},
    };
    for (const auto& c : cases) {
        PixelCanvas canvas(300, 300);
        SelectedFont font(canvas.Dc(), "Arial", -20, FW_NORMAL, c.escapement);
        SetBkMode(canvas.Dc(), TRANSPARENT);
        SetTextAlign(canvas.Dc(), c.align);
        TEXTMETRICA tm;
        ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &tm));
        SIZE size = Extent(canvas.Dc(), text);
        ASSERT_TRUE(TextOutA(canvas.Dc(), x, y, text, static_cast<int>(std::strlen(text))));

        // Along the baseline the text starts at 0, -width/2 or -width; across
        // it the cell's top edge is at 0, -ascent or -height.
        int along = (c.align & TA_CENTER) == TA_CENTER ? -(size.cx / 2) : (c.align & TA_RIGHT) ? -size.cx : 0;
        int across = (c.align & TA_BASELINE) == TA_BASELINE ? -tm.tmAscent : (c.align & TA_BOTTOM) ? -tm.tmHeight : 0;
        RECT cell;
        switch (c.escapement) {
            case 900:  // reads upwards, the letters' tops face left
                cell = RECT{x + across, y - along - size.cx, x + across + tm.tmHeight, y - along};
                break;
            case 2700:  // reads downwards, tops face right
                cell = RECT{x - across - tm.tmHeight, y + along, x - across, y + along + size.cx};
                break;
            default:
                cell = RECT{x + along, y + across, x + along + size.cx, y + across + tm.tmHeight};
        }
        RECT grown{cell.left - 1, cell.top - 1, cell.right + 1, cell.bottom + 1};
        RECT ink = InkBox(canvas, kWhite);
        std::string label = std::to_string(c.escapement) + "/" + std::to_string(c.align);
        EXPECT_TRUE(Inside(ink, grown)) << label << " ink " << Show(ink) << " cell " << Show(cell);
        int inkLength = c.escapement == 0 ? ink.right - ink.left : ink.bottom - ink.top;
        EXPECT_GE(inkLength, size.cx - 6) << label;
        canvas.Dump("rotated-" + std::to_string(c.escapement) + "-" + std::to_string(c.align));
    }
}

TEST(TextOut, AnyAngleKeepsTheTextLengthAlongItsBaseline) {
    const char* text = "Скорость";
    for (int escapement : {300, 450, 1350, 2250, 3150, -450}) {
        PixelCanvas canvas(300, 300);
        SelectedFont font(canvas.Dc(), "Arial", -20, FW_NORMAL, escapement);
        SetBkMode(canvas.Dc(), TRANSPARENT);
        SetTextAlign(canvas.Dc(), TA_BASELINE);
        SIZE size = Extent(canvas.Dc(), text);
        TextOutA(canvas.Dc(), 150, 150, text, static_cast<int>(std::strlen(text)));
        RECT ink = InkBox(canvas, kWhite);
        double angle = escapement * 3.14159265358979 / 1800;
        // The far end of the baseline lies where the angle points.
        double endX = 150 + size.cx * std::cos(angle), endY = 150 - size.cx * std::sin(angle);
        EXPECT_GE(endX, ink.left - 4) << escapement;
        EXPECT_LE(endX, ink.right + 4) << escapement;
        EXPECT_GE(endY, ink.top - 4) << escapement;
        EXPECT_LE(endY, ink.bottom + 4) << escapement;
        double diagonal = std::hypot(ink.right - ink.left, ink.bottom - ink.top);
        EXPECT_GE(diagonal, size.cx - 4) << escapement;
        EXPECT_LE(diagonal, size.cx + 2.0 * size.cy) << escapement;
    }
}

TEST(TextOut, UpdateCurrentPositionContinuesTheLine) {
    PixelCanvas canvas(300, 40);
    SelectedFont font(canvas.Dc(), "Arial", -16);
    SetTextAlign(canvas.Dc(), TA_UPDATECP);
    LookupDC(canvas.Dc())->state.currentPosition = POINT{5, 5};
    TextOutA(canvas.Dc(), 200, 20, "Старт", static_cast<int>(std::strlen("Старт")));
    SIZE first = Extent(canvas.Dc(), "Старт");
    POINT position;
    GetCurrentPositionEx(canvas.Dc(), &position);
    EXPECT_EQ(position, (POINT{5 + first.cx, 5}));
    SetTextAlign(canvas.Dc(), TA_UPDATECP | TA_RIGHT);
    TextOutA(canvas.Dc(), 0, 0, "ab", 2);
    GetCurrentPositionEx(canvas.Dc(), &position);
    EXPECT_EQ(position.x, 5 + first.cx - Extent(canvas.Dc(), "ab").cx);
}

TEST(TextOut, OpaqueBackgroundFillsExactlyTheCell) {
    PixelCanvas canvas(200, 50);
    SelectedFont font(canvas.Dc(), "Tahoma", -13, FW_NORMAL, 0, NONANTIALIASED_QUALITY);
    const COLORREF background = RGB(0, 0, 255);
    const COLORREF ink = RGB(255, 255, 0);
    SetBkMode(canvas.Dc(), OPAQUE);
    SetBkColor(canvas.Dc(), background);
    SetTextColor(canvas.Dc(), ink);
    TextOutA(canvas.Dc(), 20, 10, "Приём", static_cast<int>(std::strlen("Приём")));
    SIZE size = Extent(canvas.Dc(), "Приём");
    EXPECT_EQ(InkBox(canvas, kWhite), (RECT{20, 10, 20 + size.cx, 10 + size.cy}));
    EXPECT_EQ(canvas.Count(background) + canvas.Count(ink), size.cx * size.cy);
    EXPECT_GT(canvas.Count(ink), size.cx);
}

TEST(TextOut, WrittenPixelsLoseTheirAlphaAsWithOtherDrawing) {
    PixelCanvas canvas(100, 30);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) canvas.SetRaw(x, y, 0xFFFFFFFFu);
    SelectedFont font(canvas.Dc(), "Arial", -16);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    TextOutA(canvas.Dc(), 5, 5, "Пуск", static_cast<int>(std::strlen("Пуск")));
    int written = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            bool touched = canvas.At(x, y) != kWhite;
            written += touched;
            EXPECT_EQ(canvas.RawAt(x, y) >> 24, touched ? 0u : 0xFFu) << x << "," << y;
        }
    }
    EXPECT_GT(written, 20);
}

TEST(TextOut, AntialiasingFollowsTheQuality) {
    for (BYTE quality : {DEFAULT_QUALITY, ANTIALIASED_QUALITY, NONANTIALIASED_QUALITY}) {
        PixelCanvas canvas(200, 40);
        SelectedFont font(canvas.Dc(), "Arial", -18, FW_NORMAL, 0, quality);
        SetBkMode(canvas.Dc(), TRANSPARENT);
        TextOutA(canvas.Dc(), 5, 5, "Обход", static_cast<int>(std::strlen("Обход")));
        std::set<COLORREF> colours;
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x) colours.insert(canvas.At(x, y));
        if (quality == NONANTIALIASED_QUALITY) {
            EXPECT_EQ(colours, (std::set<COLORREF>{kWhite, kBlack}));
        } else {
            EXPECT_GT(colours.size(), 4u) << int(quality);
        }
    }
}

TEST(TextOut, UnderlineAndStrikeOutDrawLinesAcrossTheText) {
    PixelCanvas canvas(200, 40);
    LOGFONTA logFont;
    logFont.lfHeight = -20;
    logFont.lfUnderline = 1;
    logFont.lfStrikeOut = 1;
    std::strcpy(logFont.lfFaceName, "Arial");
    SelectedFont font(canvas.Dc(), logFont);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    SetTextAlign(canvas.Dc(), TA_BASELINE);
    TextOutA(canvas.Dc(), 10, 25, "и и и", static_cast<int>(std::strlen("и и и")));
    SIZE size = Extent(canvas.Dc(), "и и и");
    auto solidRow = [&](int y) {
        for (int x = 10; x < 10 + size.cx; ++x)
            if (canvas.At(x, y) != kBlack) return false;
        return true;
    };
    int below = 0, above = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        if (!solidRow(y)) continue;
        (y > 25 ? below : above)++;
    }
    EXPECT_GE(below, 1);  // the underline, under the gaps between letters too
    EXPECT_GE(above, 1);  // the strike-out
}

TEST(ExtTextOut, OpaqueRectangleAndClipping) {
    PixelCanvas canvas(200, 60);
    SelectedFont font(canvas.Dc(), "Arial", -30);
    const COLORREF fill = RGB(0, 128, 0);
    SetBkColor(canvas.Dc(), fill);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    // With no text at all, ETO_OPAQUE is a plain fill.
    RECT area{10, 10, 60, 30};
    ASSERT_TRUE(ExtTextOutA(canvas.Dc(), 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr));
    EXPECT_EQ(InkBox(canvas, kWhite), area);
    EXPECT_EQ(canvas.Count(fill), 50 * 20);

    canvas.Fill(kWhite);
    RECT clip{20, 10, 70, 25};  // cuts the letters through the middle
    ASSERT_TRUE(ExtTextOutA(canvas.Dc(), 10, 5, ETO_CLIPPED, &clip, "ЖЖЖЖЖ", std::strlen("ЖЖЖЖЖ"), nullptr));
    RECT ink = InkBox(canvas, kWhite);
    EXPECT_TRUE(Inside(ink, clip)) << Show(ink);
    EXPECT_EQ(ink.left, 20);
    EXPECT_EQ(ink.right, 70);
}

TEST(ExtTextOut, CharacterAdvancesPlaceEachLetter) {
    PixelCanvas canvas(300, 40);
    SelectedFont font(canvas.Dc(), "Courier New", -16);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    const INT dx[] = {40, 40, 40, 40};
    ASSERT_TRUE(ExtTextOutA(canvas.Dc(), 10, 5, 0, nullptr, "ЁЁЁЁ", std::strlen("ЁЁЁЁ"), dx));
    // Four letters spread over 4 x 40 pixels: ink in each 40-pixel slot.
    for (int slot = 0; slot < 4; ++slot) {
        bool ink = false;
        for (int x = 10 + slot * 40; x < 10 + slot * 40 + 20; ++x)
            for (int y = 0; y < canvas.Height(); ++y) ink = ink || canvas.At(x, y) != kWhite;
        EXPECT_TRUE(ink) << slot;
    }
    EXPECT_GT(InkBox(canvas, kWhite).right, 10 + 3 * 40);
}

TEST(TextOut, CharacterExtraWidensEveryAdvance) {
    PixelCanvas canvas(300, 40);
    SelectedFont font(canvas.Dc(), "Arial", -13);
    SIZE plain = Extent(canvas.Dc(), "Тяга");
    SetTextCharacterExtra(canvas.Dc(), 3);
    SIZE spaced = Extent(canvas.Dc(), "Тяга");
    EXPECT_EQ(spaced.cx, plain.cx + 4 * 3);
    EXPECT_EQ(spaced.cy, plain.cy);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    TextOutA(canvas.Dc(), 0, 0, "Тяга", static_cast<int>(std::strlen("Тяга")));
    EXPECT_GT(InkBox(canvas, kWhite).right, plain.cx);
}

TEST(TextOut, ClipRegionOfTheContextHolds) {
    PixelCanvas canvas(200, 40);
    SelectedFont font(canvas.Dc(), "Arial", -20);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    IntersectClipRect(canvas.Dc(), 0, 0, 30, 40);
    TextOutA(canvas.Dc(), 5, 5, "Длинная строка", static_cast<int>(std::strlen("Длинная строка")));
    RECT ink = InkBox(canvas, kWhite);
    EXPECT_GT(ink.right, 5);
    EXPECT_LE(ink.right, 30);
}

TEST(TextOut, ScaledMappingDrawsLargerGlyphsButMeasuresTheSame) {
    PixelCanvas canvas(400, 100);
    SelectedFont font(canvas.Dc(), "Arial", -13);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    SIZE logical = Extent(canvas.Dc(), "Шаг");
    TextOutA(canvas.Dc(), 0, 0, "Шаг", static_cast<int>(std::strlen("Шаг")));
    RECT plain = InkBox(canvas, kWhite);
    canvas.Fill(kWhite);
    SetMapMode(canvas.Dc(), MM_ANISOTROPIC);
    SetWindowExtEx(canvas.Dc(), 100, 100, nullptr);
    SetViewportExtEx(canvas.Dc(), 300, 300, nullptr);
    SIZE scaled = Extent(canvas.Dc(), "Шаг");
    // Hinting rounds differently at the larger size.
    EXPECT_NEAR(scaled.cx, logical.cx, 2);
    EXPECT_NEAR(scaled.cy, logical.cy, 2);
    TextOutA(canvas.Dc(), 0, 0, "Шаг", static_cast<int>(std::strlen("Шаг")));
    RECT large = InkBox(canvas, kWhite);
    EXPECT_NEAR(large.bottom - large.top, 3 * (plain.bottom - plain.top), 4);
    EXPECT_NEAR(large.right - large.left, 3 * (plain.right - plain.left), 6);
    EXPECT_LE(large.right, 3 * scaled.cx + 1);
}

TEST(TextOut, SymbolFontsDrawOurOwnShapes) {
    PixelCanvas canvas(100, 40);
    SelectedFont font(canvas.Dc(), "Marlett", -16);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    ASSERT_TRUE(TextOutA(canvas.Dc(), 10, 10, "u", 1));  // the drop-down arrow
    SIZE size = Extent(canvas.Dc(), "u");
    RECT ink = InkBox(canvas, kWhite);
    EXPECT_TRUE(Inside(ink, RECT{10, 10, 10 + size.cx, 10 + size.cy})) << Show(ink);
    // A downward triangle: its top row is wider than its bottom row.
    auto rowInk = [&](int y) {
        int n = 0;
        for (int x = 0; x < canvas.Width(); ++x) n += canvas.At(x, y) != kWhite;
        return n;
    };
    EXPECT_GT(rowInk(ink.top), rowInk(ink.bottom - 1));
}

TEST(TextOut, BadArgumentsFailWithoutDrawing) {
    SetLastError(0);
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "a", 1));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(TextOutA(reinterpret_cast<HDC>(0x12345), 0, 0, "a", 1));
    PixelCanvas canvas(20, 20);
    EXPECT_FALSE(TextOutA(canvas.Dc(), 0, 0, nullptr, 3));
    EXPECT_FALSE(TextOutA(canvas.Dc(), 0, 0, "a", -1));
    EXPECT_TRUE(TextOutA(canvas.Dc(), 0, 0, "", 0));
    // Broken UTF-8 still draws (as replacement characters), never reads past the count.
    EXPECT_TRUE(TextOutA(canvas.Dc(), 0, 0, "\xD0\xFF\x80", 3));
    SIZE size;
    EXPECT_FALSE(GetTextExtentPoint32A(nullptr, "a", 1, &size));
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.Dc(), "a", 1, nullptr));
}

}  // namespace
}  // namespace platform
