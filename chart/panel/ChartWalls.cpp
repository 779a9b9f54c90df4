#include "chart/panel/ChartWalls.h"

#include "chart/panel/detail/WallProperties.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Picture.h"

namespace {

template <class W>
TPublished<W>& WithPicture(TPublished<W>& published) {
    return published
        .Object("Picture", &TPicture::StaticClass, [](W& w) { return &w.Picture(); }, nullptr)
        .Stored([](const W& w) { return w.HasPicture(); });
}

}  // namespace

const TClassInfo& TChartBackWall::StaticClass() {
    using W = TChartBackWall;
    static const TClassInfo info = [] {
        auto published = WallProperties<W>("TChartBackWall", TChartWall::StaticClass());
        WithPicture(published)
            .Object("Shadow", &TChartShadow::StaticClass, [](W& w) { return &w.Shadow(); },
                    nullptr);
        return published.Build();
    }();
    return info;
}

const TClassInfo& TChartLeftWall::StaticClass() {
    static const TClassInfo info = [] {
        auto published = WallProperties<TChartLeftWall>("TChartLeftWall", TChartWall::StaticClass());
        return WithPicture(published).Build();
    }();
    return info;
}

const TClassInfo& TChartBottomWall::StaticClass() {
    static const TClassInfo info =
        WallProperties<TChartBottomWall>("TChartBottomWall", TChartWall::StaticClass()).Build();
    return info;
}

const TClassInfo& TChartRightWall::StaticClass() {
    static const TClassInfo info =
        WallProperties<TChartRightWall>("TChartRightWall", TChartWall::StaticClass()).Build();
    return info;
}

TChartBackWall::TChartBackWall(TCustomAxisPanel* chart) : TChartWall(chart, 0xC0C0C0) {
    TransparentDefault = true;
    SetTransparent(true);
    Shadow().SetDefaults(0x808080, Shadow().HorizSize());
    Shadow().SetVisibleDefault(false);
}

TChartRightWall::TChartRightWall(TCustomAxisPanel* chart) : TChartWall(chart, 0xC0C0C0) {
    VisibleDefault = false;
    SetVisible(false);
}

TChartWalls::TChartWalls(TCustomAxisPanel* chart) : Back(chart), Left(chart), Bottom(chart), Right(chart) {}

void TChartWalls::Assign(const TChartWalls& source) {
    Back.Assign(source.Back);
    Bottom.Assign(source.Bottom);
    Left.Assign(source.Left);
    Right.Assign(source.Right);
}
