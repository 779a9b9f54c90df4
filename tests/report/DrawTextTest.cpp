#include "report/layout/DrawText.h"
#include "report/text/WideStrings.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/print/PrinterContexts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kPointSize = 10;
constexpr double kMeasurePerUnit = 600.0 / 96.0;
constexpr int kCharsPerLine = 20;

void UseMonoFont(TFont& font, const char* name = "Courier New") {
    font.SetName(name);
    font.SetSize(kPointSize);
    font.SetColor(clBlack);
}

// The advance of one character of the fixed-pitch font at 600 dpi.
int MonoAdvance() {
    TBitmap bitmap(1, 1);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Font()->SetName("Courier New");
    canvas.Font()->SetHeight(-static_cast<int>(std::lround(kPointSize * 600 / 72.0)));
    const int width = canvas.TextWidth("WWWWWWWWWW") / 10;
    EXPECT_EQ(canvas.TextWidth("iiiiiiiiii") / 10, width);
    EXPECT_EQ(canvas.TextWidth("ЖЖЖЖЖЖЖЖЖЖ") / 10, width);
    return width;
}

// A rectangle (report units) where exactly kCharsPerLine characters fit.
TRect RectForLine(int height = 200) {
    const int width = static_cast<int>((kCharsPerLine + 0.5) * MonoAdvance() / kMeasurePerUnit);
    return TRect(10, 10, 10 + width, 10 + height);
}

std::unique_ptr<TWideStrings> Paragraphs(std::initializer_list<std::u16string_view> texts) {
    auto lines = std::make_unique<TWideStrings>();
    for (std::u16string_view text : texts) lines->Add(text);
    return lines;
}

struct Layout {
    TrpDrawText text;
    TFont font;
    explicit Layout(bool wordBreak = false, bool tags = false, int rotation = 0, TRect rect = RectForLine(),
                    const char* fontName = "Courier New") {
        TrpDrawText::EnterLock();
        UseMonoFont(font, fontName);
        text.UseFont(font);
        text.UseOptions(true, tags, rotation, true, true, wordBreak, false);
        text.UseSpacing(2, 0, 0);
        text.UseBounds(rect, rect, 1, 1, 1);
    }
    ~Layout() { TrpDrawText::LeaveLock(); }
    std::vector<std::u16string> Load(const std::unique_ptr<TWideStrings>& paragraphs) {
        text.LoadText(*paragraphs);
        std::vector<std::u16string> lines;
        for (const TrpLaidLine& line : text.Lines()) lines.push_back(line.Text);
        return lines;
    }
};

using Lines = std::vector<std::u16string>;

TEST(DrawTextLayoutTest, ParagraphsBreakAtBlanksAndHyphenationPoints) {
    struct Case {
        const char* name;
        std::u16string paragraph;
        bool wordBreak;
        Lines lines;
    };
    const Case cases[] = {
        {"latin", u"The quick brown fox jumps over the lazy dog again", false,
         {u"The quick brown fox", u"jumps over the lazy", u"dog again"}},
        {"latin, no hyphens in other alphabets", u"The quick brown fox jumps over the lazy dog again", true,
         {u"The quick brown fox", u"jumps over the lazy", u"dog again"}},
        {"russian", u"Мы изучаем программирование сегодня", false,
         {u"Мы изучаем", u"программирование", u"сегодня"}},
        {"russian hyphenated", u"Мы изучаем программирование сегодня", true,
         {u"Мы изучаем програм-", u"мирование сегодня"}},
        {"long word cut", u"abcdefghijklmnopqrstuvwxyz", false, {u"abcdefghijklmnopqrst", u"uvwxyz"}},
        {"long russian word hyphenated", u"программированиепрограммирование", true,
         {u"программированиепро-", u"граммирование"}},
        {"fits", u"short line", true, {u"short line"}},
        {"blank at the break is dropped", u"twenty characters ab cd", false, {u"twenty characters ab", u"cd"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Layout layout(c.wordBreak);
        EXPECT_EQ(layout.Load(Paragraphs({c.paragraph})), c.lines);
    }
}

TEST(DrawTextLayoutTest, ParagraphFlagsMarkFirstAndLastLines) {
    Layout layout;
    layout.Load(Paragraphs({u"The quick brown fox jumps over the lazy dog again", u"", u"one"}));
    std::vector<int> flags;
    for (const TrpLaidLine& line : layout.text.Lines()) flags.push_back(line.Flags);
    EXPECT_EQ(flags, (std::vector<int>{1, 0, 2, 3, 3}));
    EXPECT_EQ(layout.text.Lines()[3].Text, u" ");  // an empty paragraph is one blank line
    layout.text.MarkContinuation(true, true);
    EXPECT_EQ(layout.text.Lines().front().Flags, 0);
    EXPECT_EQ(layout.text.Lines().back().Flags, 1);
}

TEST(DrawTextLayoutTest, AOneCharacterColumnTakesOneCharacterALine) {
    Layout layout(false, false, 0, TRect(0, 0, 1, 100));
    EXPECT_EQ(layout.Load(Paragraphs({u"abc"})), (Lines{u"a", u"b", u"c"}));
}

TEST(DrawTextLayoutTest, NoWrapBlanksAreNoBreakCandidates) {
    Layout layout(false, true);
    EXPECT_EQ(layout.Load(Paragraphs({u"The quick brown <nowrap>fox jumps</nowrap> over"})),
              (Lines{u"The quick brown", u"fox jumps over"}));
}

TEST(DrawTextLayoutTest, RotatedQuarterTurnsLayOutAlongTheHeight) {
    // 20 characters across the height; the width would hold many more.
    const TRect across = RectForLine();
    const TRect rect(0, 0, 1000, across.Width());
    for (int rotation : {90, -90, 270}) {
        Layout layout(false, false, rotation, rect);
        EXPECT_EQ(layout.Load(Paragraphs({u"The quick brown fox jumps"})).size(), 2u) << rotation;
    }
}

TEST(DrawTextLayoutTest, HeightsAndTheSpareRoomBelowTheLines) {
    Layout layout(false, false, 0, TRect(0, 0, 100, 40));
    const double fontUnits = std::lround(kPointSize * 600 / 72.0) / kMeasurePerUnit;
    layout.text.UseSpacing(15 - fontUnits, 0, 0);  // a line step of 15
    layout.Load(Paragraphs({u"a", u"b", u"c"}));
    EXPECT_NEAR(layout.text.LineStep(), 15, 1e-9);
    EXPECT_NEAR(layout.text.TextHeight(), 45, 1e-9);
    EXPECT_NEAR(layout.text.SpareHeight(), 11, 1e-9);  // two lines fit: 41 - 30
    EXPECT_NEAR(layout.text.TextWidth(), MonoAdvance() / kMeasurePerUnit, 1e-9);
}

TEST(DrawTextLayoutTest, TheRemainderStartsAfterTheLastFittingLine) {
    Layout layout(false, false, 0, RectForLine(31));  // two lines of 15.28
    layout.Load(Paragraphs({u"The quick brown fox jumps over the lazy dog again", u"next"}));
    bool paraBreak = false;
    EXPECT_EQ(layout.text.RemainderText(paraBreak), u"dog again\r\nnext\r\n");
    EXPECT_TRUE(paraBreak);
    EXPECT_EQ(layout.text.FittingText(), u"The quick brown fox jumps over the lazy");
    EXPECT_EQ(layout.text.Lines().size(), 2u);

    Layout whole(false, false, 0, RectForLine(100));
    whole.Load(Paragraphs({u"fits"}));
    EXPECT_EQ(whole.text.RemainderText(paraBreak), u"");
    EXPECT_FALSE(paraBreak);
}

TEST(DrawTextLayoutTest, AHyphenatedCutKeepsTheHyphenAndTaggedRestsKeepTheirStyle) {
    Layout hyphen(true, false, 0, RectForLine(16));
    hyphen.Load(Paragraphs({u"Мы изучаем программирование сегодня"}));
    bool paraBreak = false;
    EXPECT_EQ(hyphen.text.RemainderText(paraBreak), u"мирование сегодня\r\n");
    EXPECT_EQ(hyphen.text.FittingText(), u"Мы изучаем програм-");

    Layout tagged(false, true, 0, RectForLine(16));
    tagged.Load(Paragraphs({u"The quick brown fox <b><i>jumps over the lazy dog</i></b>"}));
    EXPECT_EQ(tagged.text.RemainderText(paraBreak),
              u"<font color=\"#000000\"><i><b>jumps over the lazy dog</i></b>\r\n");
    EXPECT_EQ(tagged.text.FittingText(), u"The quick brown fox <b><i>");
}

TEST(DrawTextLayoutTest, LinesLongerThanAnyFixedArrayAreMeasuredWhole) {
    constexpr std::size_t kLongLine = 40000;
    const std::u16string line(kLongLine, u'x');
    Layout layout(false, false, 0, TRect(0, 0, 100000, 100));
    layout.text.UseOptions(false, false, 0, true, true, false, false);  // no wrapping: one line
    EXPECT_EQ(layout.Load(Paragraphs({line})), (Lines{line}));
    EXPECT_NEAR(layout.text.TextWidth(), kLongLine * MonoAdvance() / kMeasurePerUnit, 1e-6);
    TBitmap bitmap(200, 40);
    layout.text.Paint(*bitmap.Canvas(), TrpHAlign::haRight, TrpVAlign::vaTop);
}

TEST(DrawTextLayoutTest, SpreadingByHalvesPutsUnitsEvenly) {
    std::vector<int> a(8, 0);
    SpreadIncrements(a, 0, 7, 1, 3);
    EXPECT_EQ(a, (std::vector<int>{0, 1, 0, 0, 1, 0, 1, 0}));
    std::vector<int> one(1, 0);
    SpreadIncrements(one, 0, 0, -1, 1);
    EXPECT_EQ(one, (std::vector<int>{-1}));
}

// A white surface at a resolution: a bitmap of the screen's, or a memory
// context made like the printer's (its pixels at the printer's dots per inch).
class Surface {
public:
    Surface(int width, int height, std::optional<int> printerDpi) : width_(width), height_(height) {
        if (printerDpi) {
            platform::DEVMODEA mode;
            mode.dmFields = platform::DM_PRINTQUALITY;
            mode.dmPrintQuality = static_cast<short>(*printerDpi);
            info_ = platform::CreateICA(nullptr, platform::FILE_ONLY_PRINTER, nullptr, &mode);
            dc_ = platform::CreateCompatibleDC(info_);
            bitmapHandle_ = platform::CreateBitmap(width, height, 1, 32, nullptr);
            previous_ = platform::SelectObject(dc_, bitmapHandle_);
            printerCanvas_ = std::make_unique<TCanvas>();
            printerCanvas_->SetHandle(dc_);
            TrpDrawText::SetPrinterCanvas(printerCanvas_.get());
        } else {
            bitmap_ = std::make_unique<TBitmap>();
            bitmap_->SetPixelFormat(TPixelFormat::pf24bit);
            bitmap_->SetSize(width, height);
        }
        Canvas().Brush()->SetColor(clWhite);
        Canvas().FillRect(TRect(0, 0, width, height));
    }
    ~Surface() {
        if (!printerCanvas_) return;
        TrpDrawText::SetPrinterCanvas(nullptr);
        printerCanvas_->SetHandle(nullptr);
        platform::SelectObject(dc_, previous_);
        platform::DeleteObject(bitmapHandle_);
        platform::DeleteDC(dc_);
        platform::DeleteDC(info_);
    }
    TCanvas& Canvas() { return printerCanvas_ ? *printerCanvas_ : *bitmap_->Canvas(); }
    bool Ink(int x, int y) { return (platform::GetPixel(Canvas().Handle(), x, y) & 0xFFFFFF) != 0xFFFFFF; }
    // The ink's columns in a band of rows, or {-1, -1}.
    std::pair<int, int> InkColumns(int top, int bottom) {
        int first = -1, last = -1;
        for (int x = 0; x < width_; ++x)
            for (int y = std::max(0, top); y < std::min(bottom, height_); ++y)
                if (Ink(x, y)) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
        return {first, last};
    }

private:
    int width_, height_;
    std::unique_ptr<TBitmap> bitmap_;
    std::unique_ptr<TCanvas> printerCanvas_;
    platform::HDC info_ = nullptr, dc_ = nullptr;
    platform::HBITMAP bitmapHandle_ = nullptr;
    platform::HGDIOBJ previous_ = nullptr;
};

struct Scale {
    const char* name;
    double factor;  // device pixels per report unit
    std::optional<int> printerDpi;
};
const Scale kScales[] = {{"screen 100 %", 1, {}}, {"screen 200 %", 2, {}}, {"printer 300 dpi", 300 / 96.0, 300},
                         {"printer 600 dpi", 600 / 96.0, 600}};

TRect Scaled(const TRect& r, double s) {
    auto at = [s](int v) { return static_cast<int>(std::lround(v * s)); };
    return TRect(at(r.Left), at(r.Top), at(r.Right), at(r.Bottom));
}

// Each line's ink from left to right edge, in report units, drawn at a scale.
std::vector<std::pair<double, double>> DrawnLines(const Scale& scale, const std::unique_ptr<TWideStrings>& text, TrpHAlign align,
                                                  bool wordBreak, Lines& laidOut,
                                                  const char* fontName = "Courier New") {
    const TRect rect = RectForLine(120);
    Surface surface(static_cast<int>(std::lround(300 * scale.factor)),
                    static_cast<int>(std::lround(140 * scale.factor)), scale.printerDpi);
    Layout layout(wordBreak, false, 0, rect, fontName);
    layout.text.UseBounds(rect, Scaled(rect, scale.factor), scale.factor, scale.factor, 1);
    laidOut = layout.Load(text);
    layout.text.Paint(surface.Canvas(), align, TrpVAlign::vaTop);
    std::vector<std::pair<double, double>> ink;
    const double step = layout.text.LineStep();
    for (std::size_t i = 0; i < laidOut.size(); ++i) {
        const double top = rect.Top + step * static_cast<double>(i);
        // The band leaves out the previous line's descenders.
        auto [first, last] = surface.InkColumns(static_cast<int>(std::lround((top + 2) * scale.factor)),
                                                static_cast<int>(std::lround((top + step - 2) * scale.factor)));
        ink.emplace_back(first / scale.factor, (last + 1) / scale.factor);
    }
    return ink;
}

TEST(DrawTextPaintTest, LineBreaksAndLinePlacesHoldAtEveryScale) {
    // Report units; glyph shapes differ by a pixel between sizes, places must not.
    constexpr double kPlaceTolerance = 1.5;
    const struct {
        const char* name;
        std::u16string text;
        bool wordBreak;
    } paragraphs[] = {
        {"latin", u"The quick brown fox jumps over the lazy dog again", false},
        {"russian", u"Мы изучаем программирование сегодня и завтра", true},
    };
    for (const auto& p : paragraphs) {
        for (TrpHAlign align : {TrpHAlign::haLeft, TrpHAlign::haRight, TrpHAlign::haCenter, TrpHAlign::haBlock}) {
            SCOPED_TRACE(std::string(p.name) + " alignment " + std::to_string(static_cast<int>(align)));
            Lines reference;
            const auto referenceInk =
                DrawnLines(kScales[0], Paragraphs({p.text}), align, p.wordBreak, reference, "Arial");
            for (const Scale& scale : kScales) {
                SCOPED_TRACE(scale.name);
                Lines lines;
                const auto ink = DrawnLines(scale, Paragraphs({p.text}), align, p.wordBreak, lines, "Arial");
                EXPECT_EQ(lines, reference);
                ASSERT_EQ(ink.size(), referenceInk.size());
                for (std::size_t i = 0; i < ink.size(); ++i) {
                    EXPECT_NEAR(ink[i].first, referenceInk[i].first, kPlaceTolerance) << i;
                    EXPECT_NEAR(ink[i].second, referenceInk[i].second, kPlaceTolerance) << i;
                }
            }
        }
    }
}

TEST(DrawTextPaintTest, AlignmentPlacesLinesInTheRectangle) {
    const TRect rect = RectForLine(120);
    const double charUnits = MonoAdvance() / kMeasurePerUnit;
    Lines lines;
    const auto left = DrawnLines(kScales[0], Paragraphs({u"The quick brown fox jumps over"}), TrpHAlign::haLeft,
                                 false, lines);
    ASSERT_EQ(lines, (Lines{u"The quick brown fox", u"jumps over"}));
    EXPECT_NEAR(left[1].first, rect.Left, 2);
    const auto right = DrawnLines(kScales[0], Paragraphs({u"The quick brown fox jumps over"}), TrpHAlign::haRight,
                                  false, lines);
    EXPECT_NEAR(right[1].second, rect.Right, charUnits / 2 + 2);
    const auto block = DrawnLines(kScales[0], Paragraphs({u"The quick brown fox jumps over"}), TrpHAlign::haBlock,
                                  false, lines);
    // Justified to both edges; the paragraph's last line stays left.
    EXPECT_NEAR(block[0].first, rect.Left, 2);
    EXPECT_NEAR(block[0].second, rect.Right, charUnits / 2 + 2);
    EXPECT_NEAR(block[1].first, rect.Left, 2);
    EXPECT_NEAR(block[1].second, left[1].second, 1);
    const auto centre = DrawnLines(kScales[0], Paragraphs({u"The quick brown fox jumps over"}), TrpHAlign::haCenter,
                                   false, lines);
    EXPECT_NEAR((centre[1].first + centre[1].second) / 2, (rect.Left + rect.Right) / 2.0, charUnits / 2 + 2);
}

TEST(DrawTextPaintTest, AQuarterTurnStartsAtTheBottomLeftAndRunsUp) {
    Surface surface(200, 200, {});
    const TRect rect(20, 20, 60, 180);
    Layout layout(false, false, 90, rect);
    layout.Load(Paragraphs({u"Turned"}));
    layout.text.Paint(surface.Canvas(), TrpHAlign::haLeft, TrpVAlign::vaTop);
    int top = 200, bottom = -1, leftmost = 200;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (surface.Ink(x, y)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                leftmost = std::min(leftmost, x);
            }
    EXPECT_GE(leftmost, rect.Left);
    EXPECT_LE(leftmost, rect.Left + 4);
    EXPECT_LE(bottom, rect.Bottom);
    EXPECT_GE(bottom, rect.Bottom - 4);
    const double expectedLength = 6 * MonoAdvance() / kMeasurePerUnit;
    EXPECT_NEAR(bottom - top, expectedLength, 4);
}

TEST(DrawTextPaintTest, AParagraphGapIndentsFirstLinesOfLeftAndJustifiedTextOnly) {
    const TRect rect = RectForLine(120);
    for (TrpHAlign align : {TrpHAlign::haLeft, TrpHAlign::haBlock, TrpHAlign::haRight}) {
        Surface surface(300, 140, {});
        Layout layout(false, false, 0, rect);
        layout.text.UseSpacing(2, 0, 10);
        layout.Load(Paragraphs({u"The quick brown fox jumps"}));
        layout.text.Paint(surface.Canvas(), align, TrpVAlign::vaTop);
        const int step = static_cast<int>(layout.text.LineStep());
        const auto [first, last] = surface.InkColumns(rect.Top, rect.Top + step - 2);
        EXPECT_EQ(layout.text.Lines()[0].Text, u"The quick brown fox");
        if (align == TrpHAlign::haRight) {
            EXPECT_NEAR(last, rect.Right, MonoAdvance() / kMeasurePerUnit / 2 + 2);
            continue;
        }
        EXPECT_NEAR(first, rect.Left + 10, 2) << static_cast<int>(align);
        EXPECT_NEAR(surface.InkColumns(rect.Top + step, rect.Top + 2 * step - 2).first, rect.Left, 2);
    }
}

}  // namespace
