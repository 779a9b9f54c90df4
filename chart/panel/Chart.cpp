#include "chart/panel/Chart.h"

#include "chart/axes/ChartDepthAxis.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TChart::StaticClass() {
    using C = TChart;
    static const TClassInfo info =
        TPublished<C>("TChart", TCustomChartPanelExtended::StaticClass())
            .Boolean("AxisBehind", &C::AxisBehind, &C::SetAxisBehind, true)
            .Boolean("AxisVisible", &C::AxisVisible, &C::SetAxisVisible, true)
            .Object("BackWall", &TChartBackWall::StaticClass, [](C& c) { return &c.Walls().Back; }, nullptr)
            .Object("BottomAxis", &TChartAxis::StaticClass, [](C& c) { return c.BottomAxis(); }, nullptr)
            .Object("BottomWall", &TChartBottomWall::StaticClass, [](C& c) { return &c.Walls().Bottom; },
                    nullptr)
            .Integer("Chart3DPercent", &C::Chart3DPercent, &C::SetChart3DPercent, 15)
            .Boolean("ClipPoints", &C::ClipPoints, &C::SetClipPoints, true)
            .Object("CustomAxes", &TCollection::StaticClass, [](C& c) { return &c.CustomAxes(); }, nullptr)
            .Stored([](const C& c) { return c.CustomAxes().Count() > 0; })
            .Object("DepthAxis", &TChartDepthAxis::StaticClass, [](C& c) { return c.DepthAxis(); }, nullptr)
            .Object("DepthTopAxis", &TChartDepthAxis::StaticClass, [](C& c) { return c.DepthTopAxis(); },
                    nullptr)
            .Object("Foot", &TChartFootTitle::StaticClass, [](C& c) { return &c.Foot(); }, nullptr)
            // the back wall's pen under another name: read, written with the back wall
            .Object("Frame", &TPen::StaticClass, [](C& c) { return &c.Frame(); }, nullptr)
            .Stored([](const C&) { return false; })
            .Object("LeftAxis", &TChartAxis::StaticClass, [](C& c) { return c.LeftAxis(); }, nullptr)
            .Object("LeftWall", &TChartLeftWall::StaticClass, [](C& c) { return &c.Walls().Left; }, nullptr)
            .Object("Legend", &TChartLegend::StaticClass, [](C& c) { return &c.Legend(); }, nullptr)
            .Object("Pages", &TChartPage::StaticClass, [](C& c) { return &c.Pages(); }, nullptr)
            .Object("RightAxis", &TChartAxis::StaticClass, [](C& c) { return c.RightAxis(); }, nullptr)
            .Object("RightWall", &TChartRightWall::StaticClass, [](C& c) { return &c.Walls().Right; }, nullptr)
            .Enumeration("ScrollMouseButton", MouseButtonInfo(), &C::ScrollMouseButton, &C::SetScrollMouseButton,
                         static_cast<int>(TMouseButton::mbRight))
            .Object("SeriesGroups", &TCollection::StaticClass, [](C& c) { return &c.SeriesGroups(); }, nullptr)
            .Stored([](const C& c) { return c.SeriesGroups().Count() > 0; })
            .Object("SubFoot", &TChartFootTitle::StaticClass, [](C& c) { return &c.SubFoot(); }, nullptr)
            .Object("SubTitle", &TChartTitle::StaticClass, [](C& c) { return &c.SubTitle(); }, nullptr)
            .Object("Title", &TChartTitle::StaticClass, [](C& c) { return &c.Title(); }, nullptr)
            .Object("TopAxis", &TChartAxis::StaticClass, [](C& c) { return c.TopAxis(); }, nullptr)
            .Boolean("View3DWalls", &C::View3DWalls, &C::SetView3DWalls, true)
            .Build();
    return info;
}
