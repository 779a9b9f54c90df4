#include "platform/system/LastError.h"
#include "platform/text/DrawText.h"
#include "platform/text/TextMetrics.h"
#include "tests/platform/TextTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace platform {
namespace {

using text_test::InkBox;
using text_test::Inside;
using text_test::SelectedFont;
using text_test::Show;

constexpr COLORREF kWhite = RGB(255, 255, 255);

int Draw(HDC dc, const char* text, RECT rect, UINT format) { return DrawTextA(dc, text, -1, &rect, format); }

RECT Calc(HDC dc, const char* text, RECT rect, UINT format) {
    DrawTextA(dc, text, -1, &rect, format | DT_CALCRECT);
    return rect;
}

const char* const kParagraph =
    "Время задержки срабатывания системы спасения после апогея, если ракета не набрала высоту";

TEST(DrawText, CalcRectWithWordBreakIsTheRectangleTheTextFills) {
    for (const char* face : {"Arial", "Tahoma", "Times New Roman"}) {
        for (UINT align : {DT_LEFT, DT_CENTER, DT_RIGHT}) {
            PixelCanvas canvas(400, 300);
            SelectedFont font(canvas.Dc(), face, -13);
            SetBkMode(canvas.Dc(), TRANSPARENT);
            UINT format = DT_WORDBREAK | DT_NOPREFIX | align;
            RECT given{20, 20, 180, 20};  // only the width counts
            RECT calc = Calc(canvas.Dc(), kParagraph, given, format);
            EXPECT_EQ(calc.left, 20);
            EXPECT_EQ(calc.top, 20);
            EXPECT_LE(calc.right, 180) << face;
            TEXTMETRICA tm;
            GetTextMetricsA(canvas.Dc(), &tm);
            EXPECT_EQ((calc.bottom - calc.top) % tm.tmHeight, 0);
            EXPECT_GE(calc.bottom - calc.top, 3 * tm.tmHeight);

            Draw(canvas.Dc(), kParagraph, calc, format);
            RECT ink = InkBox(canvas, kWhite);
            EXPECT_TRUE(Inside(ink, calc)) << face << align << " ink " << Show(ink) << " calc " << Show(calc);
            // Filled: the widest line reaches the right edge, the last line the bottom.
            EXPECT_GE(ink.right - ink.left, calc.right - calc.left - 4) << face << align;
            EXPECT_GE(ink.bottom, calc.bottom - tm.tmHeight + tm.tmAscent / 2) << face << align;

            // Drawing into the calculated rectangle or the original column
            // gives the same picture (when left-aligned).
            if (align == DT_LEFT) {
                PixelCanvas again(400, 300);
                SelectedFont againFont(again.Dc(), face, -13);
                SetBkMode(again.Dc(), TRANSPARENT);
                Draw(again.Dc(), kParagraph, RECT{20, 20, 180, 300}, format);
                EXPECT_EQ(again.Picture(RGB(0, 0, 0)), canvas.Picture(RGB(0, 0, 0))) << face;
            }
            canvas.Dump(std::string("calcrect-") + face + std::to_string(align));
        }
    }
}

TEST(DrawText, SingleLineCalcRectBoundsTheLine) {
    PixelCanvas canvas(300, 60);
    SelectedFont font(canvas.Dc(), "Tahoma", -11);
    SIZE size;
    GetTextExtentPoint32A(canvas.Dc(), "Файл журнала", static_cast<int>(std::strlen("Файл журнала")), &size);
    EXPECT_EQ(Calc(canvas.Dc(), "Файл журнала", RECT{5, 5, 6, 6}, DT_SINGLELINE), (RECT{5, 5, 5 + size.cx, 5 + size.cy}));
    // The flag set the skin uses to measure captions: centred, word-wrapped, no prefixes.
    RECT caption{0, 0, 1000, 0};
    int height = DrawTextA(canvas.Dc(), "Файл журнала", -1, &caption, 0xC15);
    EXPECT_EQ(caption, (RECT{0, 0, size.cx, size.cy}));
    EXPECT_EQ(height, size.cy);
}

TEST(DrawText, EndEllipsisShortensToFit) {
    PixelCanvas canvas(300, 40);
    SelectedFont font(canvas.Dc(), "Arial", -13);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    const char* text = "Очень длинное название файла журнала полёта";
    RECT box{10, 10, 130, 30};
    UINT format = DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
    RECT calc = Calc(canvas.Dc(), text, box, format);
    EXPECT_LE(calc.right, box.right);
    EXPECT_GE(calc.right, box.right - 15);  // shortened no further than needed
    Draw(canvas.Dc(), text, box, format | DT_NOCLIP);
    RECT ink = InkBox(canvas, kWhite);
    EXPECT_TRUE(Inside(ink, box)) << Show(ink);
    // The last ink is the three dots: short blobs on the baseline.
    SIZE dots;
    GetTextExtentPoint32A(canvas.Dc(), "...", 3, &dots);
    int inkAboveBaseline = 0;
    for (int x = ink.right - dots.cx + 1; x < ink.right; ++x)
        for (int y = 10; y < 10 + 6; ++y) inkAboveBaseline += canvas.At(x, y) != kWhite;
    EXPECT_EQ(inkAboveBaseline, 0);
}

TEST(DrawText, PrefixUnderlinesTheNextCharacter) {
    auto draw = [](const char* text, UINT format) {
        auto canvas = std::make_unique<PixelCanvas>(120, 30);
        SelectedFont font(canvas->Dc(), "Tahoma", -16, FW_NORMAL, 0, NONANTIALIASED_QUALITY);
        SetBkMode(canvas->Dc(), TRANSPARENT);
        Draw(canvas->Dc(), text, RECT{5, 2, 115, 28}, format | DT_SINGLELINE);
        return canvas;
    };
    auto plain = draw("Файл", DT_NOPREFIX);
    auto marked = draw("&Файл", 0);
    auto hidden = draw("&Файл", DT_HIDEPREFIX);
    auto literal = draw("&Файл", DT_NOPREFIX);
    auto doubled = draw("&&Файл", 0);
    auto ampersand = draw("&Файл", DT_NOPREFIX);
    const COLORREF black = RGB(0, 0, 0);
    // Hidden prefixes draw as if there were none; shown ones add a line under "Ф" only.
    EXPECT_EQ(hidden->Picture(black), plain->Picture(black));
    EXPECT_NE(marked->Picture(black), plain->Picture(black));
    EXPECT_EQ(doubled->Picture(black), ampersand->Picture(black));
    EXPECT_NE(literal->Picture(black), plain->Picture(black));
    // The letters stand where they stand without the prefix; the line is
    // the one row that differs, and it runs only under the first letter.
    std::string plainPicture = plain->Picture(black), markedPicture = marked->Picture(black);
    int row = -1;
    for (int y = 0; y < plain->Height(); ++y) {
        std::size_t at = static_cast<std::size_t>(y) * (plain->Width() + 1);
        if (plainPicture.compare(at, plain->Width(), markedPicture, at, plain->Width()) != 0) {
            EXPECT_EQ(row, -1) << "second differing row " << y;
            row = y;
        }
    }
    ASSERT_GE(row, 0);
    SIZE first;
    {
        SelectedFont font(plain->Dc(), "Tahoma", -16);
        GetTextExtentPoint32A(plain->Dc(), "Ф", static_cast<int>(std::strlen("Ф")), &first);
    }
    int inkInRow = 0, inkPastFirst = 0;
    for (int x = 0; x < marked->Width(); ++x) {
        if (marked->At(x, row) == kWhite) continue;
        ++inkInRow;
        if (x >= 5 + first.cx) ++inkPastFirst;
    }
    EXPECT_GE(inkInRow, first.cx - 2);
    EXPECT_EQ(inkPastFirst, 0);
}

TEST(DrawText, AlignmentInsideTheRectangle) {
    PixelCanvas canvas(300, 100);
    SelectedFont font(canvas.Dc(), "Arial", -13);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    RECT box{50, 20, 250, 80};
    SIZE size;
    GetTextExtentPoint32A(canvas.Dc(), "Ок", static_cast<int>(std::strlen("Ок")), &size);
    // The answer runs from the rectangle's top to the text's bottom.
    EXPECT_EQ(Draw(canvas.Dc(), "Ок", box, DT_SINGLELINE | DT_CENTER | DT_VCENTER), (60 - size.cy) / 2 + size.cy);
    RECT ink = InkBox(canvas, kWhite);
    int cellLeft = 50 + (200 - size.cx) / 2, cellTop = 20 + (60 - size.cy) / 2;
    EXPECT_TRUE(Inside(ink, RECT{cellLeft, cellTop, cellLeft + size.cx, cellTop + size.cy})) << Show(ink);

    canvas.Fill(kWhite);
    EXPECT_EQ(Draw(canvas.Dc(), "Ок", box, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM), 60);
    ink = InkBox(canvas, kWhite);
    EXPECT_TRUE(Inside(ink, RECT{250 - size.cx, 80 - size.cy, 250, 80})) << Show(ink);
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip) {
    PixelCanvas canvas(300, 60);
    SelectedFont font(canvas.Dc(), "Arial", -20);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    RECT box{10, 10, 60, 40};
    Draw(canvas.Dc(), "Длинная подпись", box, DT_SINGLELINE);
    EXPECT_TRUE(Inside(InkBox(canvas, kWhite), box));
    canvas.Fill(kWhite);
    Draw(canvas.Dc(), "Длинная подпись", box, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(InkBox(canvas, kWhite).right, 100);
}

TEST(DrawText, ExpandedTabsLineUpColumns) {
    PixelCanvas canvas(400, 60);
    SelectedFont font(canvas.Dc(), "Arial", -13);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    TEXTMETRICA tm;
    GetTextMetricsA(canvas.Dc(), &tm);
    Draw(canvas.Dc(), "a\tЯ", RECT{0, 0, 400, 60}, DT_EXPANDTABS | DT_SINGLELINE);
    // "Я" starts at the first tab stop, eight average widths in.
    int firstInkAfterA = canvas.Width();
    for (int x = 8 * tm.tmAveCharWidth - 2; x < canvas.Width() && firstInkAfterA == canvas.Width(); ++x)
        for (int y = 0; y < canvas.Height(); ++y)
            if (canvas.At(x, y) != kWhite) firstInkAfterA = x;
    EXPECT_NEAR(firstInkAfterA, 8 * tm.tmAveCharWidth, 2);
}

TEST(DrawText, BadArgumentsAnswerZero) {
    RECT rect{0, 0, 10, 10};
    SetLastError(0);
    EXPECT_EQ(DrawTextA(nullptr, "a", 1, &rect, 0), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    PixelCanvas canvas(20, 20);
    EXPECT_EQ(DrawTextA(canvas.Dc(), "a", 1, nullptr, 0), 0);
    EXPECT_EQ(DrawTextA(canvas.Dc(), nullptr, 5, &rect, 0), 0);
    // Text past the count is never read.
    char unterminated[2] = {'a', 'b'};
    EXPECT_GT(DrawTextA(canvas.Dc(), unterminated, 2, &rect, DT_CALCRECT), 0);
}

}  // namespace
}  // namespace platform
