#include "report/objects/MemoView.h"
#include "report/objects/Page.h"
#include "report/objects/Report.h"
#include "report/text/Utf16Text.h"
#include "report/variables/Variables.h"
#include "tests/support/PngDump.h"
#include "ui/core/Exceptions.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

// A report whose names are answered from a table through its OnGetValue
// hook, each asked name kept.
struct ReportWithValues {
    TrpReport report{nullptr};
    TrpReportPage* page = new TrpReportPage(&report);
    TrpMemoView* memo = new TrpMemoView(&report);
    std::map<std::string, Variant> values;
    std::vector<std::string> asked;
    ReportWithValues() {
        page->SetParent(&report);
        memo->SetParent(page);
        memo->SetBounds(10, 10, 200, 40);
        report.OnGetValue = [this](const std::string& name, Variant& value) {
            asked.push_back(name);
            auto found = values.find(name);
            if (found != values.end()) value = found->second;
        };
    }
    std::string Fetch(std::u16string_view text) {
        memo->Memo()->SetText(text);
        memo->FetchData();
        std::u16string result = memo->Memo()->Text();
        if (result.ends_with(u"\r\n")) result.resize(result.size() - 2);
        return Utf16ToUtf8(result);
    }
};

TEST(MemoViewTest, ValuesShowInTheirFormats) {
    struct Case {
        const char* name;
        Variant value;
        TrpFormatKind kind;
        const char* formatStr;
        const char* decimal;
        const char* thousand;
        const char* expected;
    };
    const Case cases[] = {
        {"null", Variant::Null(), TrpFormatKind::fkNumeric, "%2.2f", "", "", ""},
        {"fixed, decimal comma", 3.14159, TrpFormatKind::fkNumeric, "%2.2f", "", "", "3,14"},
        {"fixed, own point", 3.14159, TrpFormatKind::fkNumeric, "%2.2f", ".", "", "3.14"},
        {"width pads", 3.5, TrpFormatKind::fkNumeric, "%8.1f", "", "", "     3,5"},
        {"integer", std::int64_t{42}, TrpFormatKind::fkNumeric, "%d", "", "", "42"},
        {"integer with digits", std::int64_t{7}, TrpFormatKind::fkNumeric, "%.3d", "", "", "007"},
        {"number with thousands", 1234567.891, TrpFormatKind::fkNumeric, "%n", "", "", "1 234 567,89"},
        {"thousands replaced", 1234567.891, TrpFormatKind::fkNumeric, "%n", ".", ",", "1,234,567.89"},
        {"picture", 1234.5, TrpFormatKind::fkNumeric, "#,##0.00", "", "", "1 234,50"},
        {"picture, own separators", 1234.5, TrpFormatKind::fkNumeric, "#,##0.00", ".", "'", "1'234.50"},
        {"text under a number format", "abc", TrpFormatKind::fkNumeric, "%2.2f", "", "", "abc"},
        {"date", Variant::FromDate(45000.5), TrpFormatKind::fkDateTime, "dd.mm.yyyy hh:nn", "", "", "15.03.2023 12:00"},
        {"boolean true", true, TrpFormatKind::fkBoolean, "Да,Нет", "", "", "Да"},
        {"boolean false", false, TrpFormatKind::fkBoolean, "Да,Нет", "", "", "Нет"},
        {"text", 2.5, TrpFormatKind::fkText, "", "", "", "2,5"},
    };
    TrpMemoView memo(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrpFormat format;
        format.Kind = c.kind;
        format.FormatStr = c.formatStr;
        format.DecimalSeparator = c.decimal;
        format.ThousandSeparator = c.thousand;
        EXPECT_EQ(Utf16ToUtf8(memo.FormatValue(c.value, &format)), c.expected);
    }
    memo.DisplayFormat()->Kind = TrpFormatKind::fkNumeric;
    memo.DisplayFormat()->FormatStr = "%.1f";
    EXPECT_EQ(Utf16ToUtf8(memo.FormatValue(2.25, nullptr)), "2,2");  // the memo's own format
}

TEST(MemoViewTest, BracketedExpressionsAreReplacedByTheirValues) {
    struct Case {
        const char* name;
        std::u16string text;
        const char* expected;
        std::vector<std::string> asked;
    };
    const Case cases[] = {
        {"sum", u"Sum: [2+3]", "Sum: 5", {"2+3"}},
        {"nested brackets are one expression", u"[[1+1]]", "2", {"[1+1]"}},
        {"brackets inside quotes", u"['a]b']", "ab", {"'a]b'"}},
        {"number suffix", u"[Pi #n%2.2f]", "3.14", {"Pi"}},
        {"number suffix with comma", u"[Pi #n%2,2f]", "3,14", {"Pi"}},
        {"boolean suffix", u"[Flag #bYes,No]", "Yes", {"Flag"}},
        {"date suffix", u"[Day #ddd.mm.yyyy]", "15.03.2023", {"Day"}},
        {"parenthesis keeps the whole", u"[IIF(a, 'x #1', b)]", "", {"IIF(a, 'x #1', b)"}},
        {"values are not expanded again", u"[Bracket] and [2+3]", "[2+3] and 5", {"Bracket", "2+3"}},
        {"unclosed takes the rest", u"a [2+3", "a 5", {"2+3"}},
        {"no brackets", u"Высота, м\r\nline two", "Высота, м\r\nline two", {}},
        {"total pages marker", u"Page of [TotalPages#]", "Page of [TotalPages#]", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportWithValues r;
        r.values = {{"2+3", std::int64_t{5}}, {"[1+1]", std::int64_t{2}}, {"'a]b'", "ab"}, {"Pi", 3.14159},
                    {"Flag", true}, {"Day", Variant::FromDate(45000)}, {"Bracket", "[2+3]"},
                    {"IIF(a, 'x #1', b)", Variant::Null()}};
        EXPECT_EQ(r.Fetch(c.text), c.expected);
        EXPECT_EQ(r.asked, c.asked);
    }
}

TEST(MemoViewTest, OwnDelimitersLeaveSquareBracketsAsText) {
    ReportWithValues r;
    r.values = {{"1+1", std::int64_t{2}}};
    r.memo->ExpressionDelimiters = "<%,%>";
    EXPECT_EQ(r.Fetch(u"<%1+1%> and [1+1]"), "2 and [1+1]");
    r.memo->AllowExpressions = false;
    EXPECT_EQ(r.Fetch(u"<%1+1%>"), "<%1+1%>");
}

TEST(MemoViewTest, HiddenZerosAndSuppressedRepeats) {
    ReportWithValues r;
    r.values = {{"Zero", std::int64_t{0}}, {"ZeroText", "0"}, {"X", "same"}};
    r.memo->HideZeros = true;
    EXPECT_EQ(r.Fetch(u"[Zero]"), "");
    EXPECT_EQ(r.Fetch(u"[ZeroText]"), "0");
    r.memo->HideZeros = false;
    r.memo->SuppressRepeated = true;
    EXPECT_EQ(r.Fetch(u"[X]"), "same");
    EXPECT_EQ(r.Fetch(u"[X]"), "");
    r.memo->ResetLastValue();
    EXPECT_EQ(r.Fetch(u"[X]"), "same");
}

TEST(MemoViewTest, AnExpressionThatFailsRaisesAndIsListed) {
    TrpReport report(nullptr);
    auto* memo = new TrpMemoView(&report);
    memo->Memo()->SetText(u"[a+b]");
    EXPECT_THROW(memo->FetchData(), Exception);
    ASSERT_EQ(report.Errors().Count(), 1);
    EXPECT_NE(report.Errors().Strings(0).find("Error in expression 'a+b'"), std::string::npos);
}

TEST(MemoViewTest, PageTotalsAndCopyNamesAreFilledWhenDrawn) {
    TrpMemoView memo(nullptr);
    memo.Memo()->SetText(u"[totalpages#] / [CopyName#]");
    memo.TotalPages = 12;
    memo.CopyNo = 1;
    rpGlobalVariables().SetVariables("CopyName1", std::string("Копия"));
    memo.FillPageTotals();
    EXPECT_EQ(memo.Memo()->Text(), u"12 / Копия\r\n");
}

TEST(MemoViewTest, RotationKeepsTheSignOfItsRemainder) {
    TrpMemoView memo(nullptr);
    memo.SetRotation(-90);
    EXPECT_EQ(memo.Rotation(), -90);
    memo.SetRotation(450);
    EXPECT_EQ(memo.Rotation(), 90);
}

TEST(MemoViewTest, TextRectangleLeavesOutFrameAndGaps) {
    TrpMemoView memo(nullptr);
    memo.SetBounds(10, 20, 100, 30);
    EXPECT_EQ(memo.TextRectAt(1, 1, 0, 0), TRect(12, 21, 109, 50));
    memo.Frame()->SetTyp({TrpFrameType::ftLeft, TrpFrameType::ftRight, TrpFrameType::ftTop, TrpFrameType::ftBottom});
    memo.Frame()->SetWidth(3);
    EXPECT_EQ(memo.TextRectAt(2, 2, 5, 5), TRect(31, 49, 219, 101));  // 2.5 rounds to 2
}

TEST(MemoViewTest, AutoWidthKeepsTheRightEdgeOrTheCentre) {
    for (TrpHAlign align : {TrpHAlign::haLeft, TrpHAlign::haRight, TrpHAlign::haCenter}) {
        ReportWithValues r;
        r.memo->AutoWidth = true;
        r.memo->HAlign = align;
        r.memo->Memo()->SetText(u"Текст");
        const double width = r.memo->CalcWidth();
        EXPECT_GT(width, 20);
        EXPECT_LT(width, 200);
        TBitmap bitmap(300, 100);
        r.memo->Draw(*bitmap.Canvas(), 1, 1, 0, 0);
        EXPECT_NEAR(r.memo->Width(), width, 1);
        const double left = r.memo->Left();
        const double kept = align == TrpHAlign::haLeft    ? left
                            : align == TrpHAlign::haRight ? left + r.memo->Width()
                                                          : left + r.memo->Width() / 2;
        EXPECT_NEAR(kept, align == TrpHAlign::haLeft ? 10 : align == TrpHAlign::haRight ? 210 : 110, 1e-9);
    }
}

TEST(MemoViewTest, HeightGrowsWithTheWrappedText) {
    ReportWithValues r;
    r.memo->SetBounds(0, 0, 60, 20);
    r.memo->Memo()->SetText(u"one");
    const double one = r.memo->CalcHeight();
    r.memo->Memo()->SetText(u"one two three four five six seven eight");
    const double many = r.memo->CalcHeight();
    EXPECT_GT(many, 2 * one - 4);
}

TEST(MemoViewTest, CuttingAParagraphRecordsTheBreakForTheNextPart) {
    ReportWithValues r;
    r.memo->SetBounds(0, 0, 60, 20);
    r.memo->Memo()->SetText(u"one two three four five six seven eight");
    const double full = r.memo->CalcHeight();
    r.memo->SetHeight(full / 2);
    r.memo->StartParts();
    const double spare = r.memo->CutPart();
    EXPECT_GT(spare, 0);
    EXPECT_TRUE(r.memo->LastParaBreak);
    const std::u16string kept = r.memo->Memo()->Text();
    EXPECT_FALSE(r.memo->PartText().empty());
    EXPECT_EQ(kept.substr(0, kept.size() - 2) + u" " + r.memo->PartText(),
              u"one two three four five six seven eight\r\n");

    TrpMemoView reference(nullptr);
    const std::string attributes = r.memo->DifferenceText(reference);
    EXPECT_NE(attributes.find("LastParaBreak=\"1\""), std::string::npos);
    EXPECT_TRUE(r.memo->FirstParaBreak);  // the next part continues the paragraph
    EXPECT_FALSE(r.memo->LastParaBreak);
}

// A fragment of a page: wrapped, justified, centred, hyphenated, turned
// and tagged memos with frames, drawn at 200 %. Each memo's ink stays in its
// frame; VELZAR_DUMP_DIR=/some/folder keeps the picture for a person.
TEST(MemoViewTest, APageFragmentKeepsEveryMemoInsideItsFrame) {
    constexpr double kScale = 2;
    TrpReport report(nullptr);
    auto* page = new TrpReportPage(&report);
    page->SetParent(&report);
    struct Spec {
        double left, top, width, height;
        std::u16string text;
        TrpHAlign align;
        int rotation;
        bool wordBreak, tags;
    };
    const Spec specs[] = {
        {10, 10, 170, 70, u"Активный участок подъёма продолжался до выгорания топлива второй ступени.",
         TrpHAlign::haBlock, 0, true, false},
        {190, 10, 150, 70, u"The quick brown fox jumps over the lazy dog near the launch pad.", TrpHAlign::haCenter, 0,
         false, false},
        {350, 10, 40, 160, u"Повёрнутый текст", TrpHAlign::haLeft, 90, false, false},
        {10, 90, 170, 80, u"Скорость <b>312,5</b> м/с, высота <font color=\"#C00000\">1250</font> м, H<sub>2</sub>O",
         TrpHAlign::haLeft, 0, false, true},
        {190, 90, 150, 80, u"Программирование контроллера выполнено; параметры записаны.", TrpHAlign::haRight, 0, true,
         false},
    };
    std::vector<TrpMemoView*> memos;
    for (const Spec& spec : specs) {
        auto* memo = new TrpMemoView(&report);
        memo->SetParent(page);
        memo->SetBounds(spec.left, spec.top, spec.width, spec.height);
        memo->SetParentFont(false);
        memo->Font()->SetName("Arial");
        memo->Font()->SetSize(10);
        memo->Font()->SetColor(clBlack);
        memo->HAlign = spec.align;
        memo->SetRotation(spec.rotation);
        memo->WordBreak = spec.wordBreak;
        memo->AllowHTMLTags = spec.tags;
        memo->Frame()->SetTyp({TrpFrameType::ftLeft, TrpFrameType::ftRight, TrpFrameType::ftTop,
                               TrpFrameType::ftBottom});
        memo->Frame()->SetColor(clBlue);
        memo->Memo()->SetText(spec.text);
        memos.push_back(memo);
    }
    TBitmap bitmap;
    bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    bitmap.SetSize(static_cast<int>(400 * kScale), static_cast<int>(180 * kScale));
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(TRect(0, 0, bitmap.Width(), bitmap.Height()));
    for (TrpMemoView* memo : memos) memo->Draw(canvas, kScale, kScale, 0, 0);

    for (std::size_t m = 0; m < memos.size(); ++m) {
        const TRect inside = memos[m]->TextRectAt(kScale, kScale, 0, 0);
        int text = 0, outside = 0;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x) {
                const TColor c = canvas.Pixels(x, y);
                const bool ink = (c & 0xFF) < 0x80 && (c >> 16 & 0xFF) < 0x80;  // black or red, not the blue frame
                if (!ink) continue;
                const auto& d = memos[m]->Device();
                if (x >= d.X && x <= d.X1 && y >= d.Y && y <= d.Y1) {
                    if (inside.Contains({x, y})) ++text;
                    else ++outside;
                }
            }
        EXPECT_GT(text, 200) << m;
        EXPECT_EQ(outside, 0) << m;
    }
    if (const char* dir = std::getenv("VELZAR_DUMP_DIR")) {
        std::vector<std::uint32_t> rows;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x) {
                const TColor c = canvas.Pixels(x, y);
                rows.push_back(0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF));
            }
        png_dump::WritePng(std::string(dir) + "/report-memos.png", rows.data(), bitmap.Width(), bitmap.Height(),
                           bitmap.Width());
    }
}

}  // namespace
