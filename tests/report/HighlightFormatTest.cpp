#include "report/objects/DisplayFormat.h"
#include "report/objects/Highlight.h"
#include "report/storage/XmlSerializer.h"

#include <gtest/gtest.h>

namespace {

TEST(HighlightFormatTest, AHighlightStartsRedOnNoColourAndCopiesAllButItsState) {
    TrpHighlight highlight;
    EXPECT_EQ(highlight.Font()->Name(), "Arial");
    EXPECT_EQ(highlight.Font()->Size(), 10);
    EXPECT_EQ(highlight.Font()->Color(), clRed);
    EXPECT_EQ(highlight.Color, clNone);

    highlight.Active = true;
    highlight.Color = clYellow;
    highlight.Condition = "[Высота] > 100";
    highlight.Font()->SetColor(clBlue);
    TrpHighlight copy;
    copy.Assign(&highlight);
    EXPECT_FALSE(copy.Active);
    EXPECT_EQ(copy.Color, clYellow);
    EXPECT_EQ(copy.Condition, "[Высота] > 100");
    EXPECT_EQ(copy.Font()->Color(), clBlue);
}

TEST(HighlightFormatTest, BothComeBackThroughAttributeText) {
    TrpXMLSerializer serializer(nullptr);
    TrpHighlight highlight;
    EXPECT_EQ(serializer.PropertiesText(highlight, "Highlight.", nullptr).find("Highlight.Color"), std::string::npos);
    highlight.Color = clAqua;
    highlight.Condition = "Value <> 0";
    highlight.Font()->SetSize(14);
    TrpHighlight highlightBack;
    serializer.ApplyPropertiesText(serializer.PropertiesText(highlight, "", nullptr), highlightBack);
    EXPECT_EQ(highlightBack.Color, clAqua);
    EXPECT_EQ(highlightBack.Condition, "Value <> 0");
    EXPECT_EQ(highlightBack.Font()->Size(), 14);

    TrpFormat format;
    format.Kind = TrpFormatKind::fkNumeric;
    format.FormatStr = "%2.2n";
    format.DecimalSeparator = ",";
    format.ThousandSeparator = " ";
    std::string text = serializer.PropertiesText(format, "", nullptr);
    EXPECT_NE(text.find("Kind=\"fkNumeric\""), std::string::npos);
    TrpFormat formatBack;
    serializer.ApplyPropertiesText(text, formatBack);
    EXPECT_EQ(serializer.Errors.Count(), 0);
    EXPECT_EQ(formatBack.Kind, TrpFormatKind::fkNumeric);
    EXPECT_EQ(formatBack.FormatStr, "%2.2n");
    EXPECT_EQ(formatBack.DecimalSeparator, ",");
    EXPECT_EQ(formatBack.ThousandSeparator, " ");
    TrpFormat copy;
    copy.Assign(&format);
    EXPECT_EQ(copy.Kind, TrpFormatKind::fkNumeric);
    EXPECT_EQ(copy.ThousandSeparator, " ");
}

}  // namespace
