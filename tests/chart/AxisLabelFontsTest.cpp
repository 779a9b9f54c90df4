#include "ChartTestPanel.h"

#include "chart/axes/ChartAxis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the font size each text was written in.
class SizedCanvas : public FixedPitchCanvas {
public:
    void TextOut(int x, int y, const std::string& text) override {
        FixedPitchCanvas::TextOut(x, y, text);
        sizes.push_back(Font().Size());
    }
    void TextOutRotated(int x, int y, const std::string& text, int angle) override {
        FixedPitchCanvas::TextOutRotated(x, y, text, angle);
        sizes.push_back(Font().Size());
    }
    std::vector<int> sizes;
};

class FontChart : public ChartTestPanel {
public:
    FontChart() {
        SetCanvas(&sized);
        SetPlotRect(TRect{0, 0, 400, 300});
    }
    TChartAxis& Axis(TChartAxis* axis) {
        axis->SetLabelStyle(talValue);
        axis->SetLimits(0, 4);
        axis->SetIncrement(2);
        axis->ComputePixelSpan();
        axis->ComputeEffectiveRange();
        TRect r = PlotRect();
        axis->ReserveBands(r, false);
        return *axis;
    }
    SizedCanvas sized;
};

struct Written {
    int x, y, size;
    std::string text;
    bool operator==(const Written&) const = default;
};

std::vector<Written> WrittenTexts(const SizedCanvas& c) {
    std::vector<Written> w;
    for (std::size_t i = 0; i < c.texts.size(); ++i) w.push_back({c.texts[i].x, c.texts[i].y, c.sizes[i], c.texts[i].text});
    return w;
}

}  // namespace

TEST(AxisLabelFonts, ExponentIsRaisedAndSmaller) {
    const int size = TChartFont().Size();
    const int small = size - size / 4;
    struct Case {
        const char* what;
        bool bottom;  // else the right axis, whose labels are left aligned
        std::string text;
        std::vector<Written> expected;
    } cases[] = {
        // centred: the exponent (7 + 1 wide) first, half its width right of x; the mantissa left of it
        {"centred", true, "1,5E3", {{104, 50 - 6 + 2, small, "3"}, {92, 50, size, "1,5"}}},
        // left-top: the mantissa at x, the exponent one pixel after it
        {"left", false, "1,5e-3", {{100, 44, size, "1,5"}, {100 + 21 + 1, 44 - 6 + 2, small, "-3"}}},
        {"no exponent", true, "150", {{100, 50, size, "150"}}},
    };
    for (const Case& c : cases) {
        FontChart chart;
        TChartAxis& axis = chart.Axis(c.bottom ? chart.BottomAxis() : chart.RightAxis());
        axis.SetLabelsExponent(true);
        axis.WriteText(100, 50, 0, c.text, nullptr, 0);
        EXPECT_EQ(WrittenTexts(chart.sized), c.expected) << c.what;
        EXPECT_EQ(chart.sized.Font().Size(), size) << c.what;  // the font is given back
    }
    // without the switch the letter E is just text
    FontChart chart;
    TChartAxis& axis = chart.Axis(chart.BottomAxis());
    axis.WriteText(100, 50, 0, "1,5E3", nullptr, 0);
    EXPECT_EQ(WrittenTexts(chart.sized), (std::vector<Written>{{100, 50, size, "1,5E3"}}));
}

TEST(AxisLabelFonts, LabelsItemsAndTitleTakeTheirOwnFonts) {
    FontChart chart;
    TChartAxis& axis = chart.Axis(chart.BottomAxis());
    axis.LabelsFont().SetSize(11);
    axis.Title().Font().SetSize(14);
    axis.Title().SetCaption("Time");
    axis.PaintAxis(true);
    ASSERT_EQ(chart.sized.texts.size(), 4u);  // the title, then 4, 2, 0
    EXPECT_EQ(chart.sized.texts[0].text, "Time");
    EXPECT_EQ(chart.sized.sizes, (std::vector<int>{14, 11, 11, 11}));

    axis.Items().Clear();
    axis.Items().AddText(1, "one").Font().SetSize(20);
    axis.Items().AddText(3, "three");
    axis.Title().SetCaption("");
    chart.sized.texts.clear();
    chart.sized.sizes.clear();
    axis.PaintAxis(true);
    EXPECT_EQ(chart.sized.sizes, (std::vector<int>{20, TChartFont().Size()}));
}
