// Series and tool type registries and the named colour palettes.

#include "chart/core/ChartRegistries.h"
#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"
#include "ui/core/MemoryStream.h"

#include <gtest/gtest.h>

#include <string>

TEST(ChartRegistries, OneRegistryEachMadeOnFirstRequest) {
    EXPECT_EQ(&SeriesTypesRegistry(), &SeriesTypesRegistry());
    EXPECT_EQ(&ToolTypesRegistry(), &ToolTypesRegistry());
    EXPECT_EQ(SeriesTypesRegistry().Count(), 0);  // nothing registers a type here
    auto type = std::make_unique<TChartSeriesType>();
    type->SeriesClass = &TLineSeries::StaticClass();
    type->Description = "Line";
    SeriesTypesRegistry().Add(std::move(type));
    EXPECT_EQ(SeriesTypesRegistry().Get(0).Description, "Line");
    SeriesTypesRegistry().Clear();
    EXPECT_EQ(SeriesTypesRegistry().Count(), 0);
}

TEST(ChartRegistries, SixteenPalettesByName) {
    const auto& names = ColorPalettes();
    ASSERT_EQ(names.size(), 16u);
    EXPECT_EQ(names[0], "Default");
    EXPECT_EQ(names[4], "Solid");
    EXPECT_EQ(names[12], "Gray scale");
    EXPECT_EQ(names[15], "Cool");
    const struct {
        int index;
        std::size_t count;
        TColor first, last;
    } sizes[] = {{1, 22, 0xFF9999, 0xCC99FF}, {2, 11, 0xA1A55D, 0x846401}, {3, 14, 0xFFFFCC, 0xCCFFCC},
                 {4, 8, 0xFF0000, 0xFFFFFF},  {5, 12, 0xFF0000, 0x008080}, {6, 9, 0x00A5FF, 0x408080},
                 {7, 14, 0x6699FF, 0xFFCCCC}, {8, 25, 0x000099, 0xFF00CC}, {9, 13, 0xFE9B82, 0x7B715F},
                 {10, 16, 0xFFFFFF, 0x000000}, {11, 15, 0xD21F00, 0xD99596}, {12, 15, 0xF0F0F0, 0x101010},
                 {13, 12, 0xA36644, 0xB4B4B4}, {14, 8, 0x8DEAF3, 0x0E08B3}, {15, 8, 0x6B402B, 0x637B1D}};
    for (const auto& s : sizes) {
        const TColorArray& colors = ColorPaletteColors(s.index);
        ASSERT_EQ(colors.size(), s.count) << s.index;
        EXPECT_EQ(colors.front(), s.first) << s.index;
        EXPECT_EQ(colors.back(), s.last) << s.index;
    }
    EXPECT_TRUE(ColorPaletteColors(0).empty());
    EXPECT_TRUE(ColorPaletteColors(16).empty());
    EXPECT_TRUE(ColorPaletteColors(-1).empty());
}

TEST(ChartRegistries, APaletteColoursTheSeriesWithoutTheirOwnColour) {
    TChart chart;
    chart.SetColor(clWhite);
    chart.BackWall().SetColor(0x404040);
    TLineSeries a, b, own, c;
    own.SetSeriesColor(0x123456);
    for (TLineSeries* s : {&a, &b, &own, &c}) s->SetParentChart(&chart);
    chart.SetColorPaletteIndex(4);
    EXPECT_EQ(chart.ColorPaletteIndex(), 4);
    EXPECT_EQ(chart.PaletteColors.size(), 8u);
    // in list order the first "Solid" colour nobody else shows
    EXPECT_EQ(a.SeriesColor(), 0xFF0000);
    EXPECT_EQ(b.SeriesColor(), 0x0000FF);
    EXPECT_EQ(own.SeriesColor(), 0x123456);
    EXPECT_EQ(c.SeriesColor(), 0x00FF00);

    // every colour taken (the back wall's too): the last one
    TLineSeries more[5];
    for (TLineSeries& s : more) s.SetParentChart(&chart);
    chart.SetColorPaletteIndex(0);
    chart.SetColorPaletteIndex(4);
    EXPECT_EQ(more[4].SeriesColor(), 0xFFFFFF);

    for (int index : {16, -1}) {
        chart.SetColorPaletteIndex(index);
        EXPECT_TRUE(chart.PaletteColors.empty()) << index;  // the engine's default colours
    }
    for (TLineSeries& s : more) s.SetParentChart(nullptr);
    for (TLineSeries* s : {&a, &b, &own, &c}) s->SetParentChart(nullptr);
}

TEST(ChartRegistries, FormDataKeepsAChosenPalette) {
    auto written = [](TChart& chart) {
        TMemoryStream stream;
        stream.WriteComponent(&chart);
        return std::string(stream.Bytes());
    };
    TChart chart;
    EXPECT_EQ(written(chart).find("ColorPaletteIndex"), std::string::npos);
    chart.SetColorPaletteIndex(7);
    TMemoryStream stream;
    stream.WriteComponent(&chart);
    stream.SetPosition(0);
    TChart copy;
    stream.ReadComponent(&copy);
    EXPECT_EQ(copy.ColorPaletteIndex(), 7);
    EXPECT_EQ(copy.PaletteColors, ColorPaletteColors(7));
}
