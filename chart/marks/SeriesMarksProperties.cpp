// What marks and their per-point items publish, the "Items" stream of the
// items, and the marks' class made by name from form data.

#include "chart/marks/SeriesMarks.h"

#include "chart/core/ChartCustomShapePosition.h"
#include "chart/marks/detail/ShapeLook.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Reader.h"
#include "ui/core/Stream.h"
#include "ui/core/Writer.h"

#include <cstdint>

const TEnumInfo& SeriesMarksStyleInfo() {
    static const TEnumInfo info(
        "TSeriesMarksStyle",
        {"smsValue", "smsPercent", "smsLabel", "smsLabelPercent", "smsLabelValue", "smsLegend", "smsPercentTotal",
         "smsLabelPercentTotal", "smsXValue", "smsXY", "smsSeriesTitle", "smsPointIndex", "smsPercentRelative"});
    return info;
}

const TClassInfo& TSeriesMarks::StaticClass() {
    using M = TSeriesMarks;
    TPublished<M> p("TSeriesMarks", TPersistent::StaticClass());
    p.Integer("Angle", &M::Angle, &M::SetAngle, 0)
        .Object("Arrow", &TPen::StaticClass, [](M& m) { return &m.Arrow(); }, nullptr)
        .Integer("ArrowLength", [](const M& m) { return m.ArrowLength(); }, &M::SetArrowLength)
        .Stored([](const M&) { return false; })
        .Integer("BackColor", &M::BackColor, &M::SetBackColor, clInfoBk);
    static const TClassInfo info =
        ShapeLook(p)
            .Object("Brush", &TBrush::StaticClass, [](M& m) { return &m.Brush(); }, nullptr)
            .Boolean("Clip", &M::Clip, &M::SetClip, false)
            .Integer("Color", &M::Color, &M::SetColor, clInfoBk)
            .Integer("DrawEvery", &M::DrawEvery, &M::SetDrawEvery, 1)
            .Object("Font", &TFont::StaticClass, [](M& m) { return &m.Font(); }, nullptr)
            .Object("Frame", &TPen::StaticClass, [](M& m) { return &m.Frame(); }, nullptr)
            .Object("Gradient", &TChartGradient::StaticClass,
                    [](M& m) { return &m.Gradient(); }, nullptr)
            .Stored([](const M& m) { return m.HasGradient(); })
            .Object("Margins", &TMargins::StaticClass, [](M& m) { return &m.Margins(); },
                    nullptr)
            .Boolean("MultiLine", &M::MultiLine, &M::SetMultiLine, false)
            .Object("Picture", &TPicture::StaticClass, [](M& m) { return &m.Picture(); }, nullptr)
            .Stored([](const M& m) { return m.HasPicture(); })
            .Object("Shadow", &TChartShadow::StaticClass, [](M& m) { return &m.Shadow(); },
                    nullptr)
            .Enumeration("ShapeStyle", ChartObjectShapeStyleInfo(), &M::ShapeStyle, &M::SetShapeStyle, fosRectangle)
            .Enumeration("Style", SeriesMarksStyleInfo(), &M::Style, &M::SetStyle, smsLabel)
            .Enumeration("TextAlign", AlignmentInfo(), &M::TextAlign, &M::SetTextAlign,
                         static_cast<int>(TAlignment::taCenter))
            .Integer("Transparency", &M::Transparency, &M::SetTransparency, 0)
            .Boolean("Transparent", &M::Transparent, &M::SetTransparent, false)
            .Boolean("Visible", &M::Visible, &M::SetVisible, false)
            .Build();
    return info;
}

void TSeriesMarks::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    DefineShapeProperties(filer);
    filer.DefineBinaryProperty(
        "Items",
        [this](TStream& stream) {
            std::int32_t count = 0;
            stream.ReadBuffer(&count, sizeof count);
            items_.Clear();
            if (count > 0) itemsLoaded_ = true;
            TReader reader(stream);
            for (int i = 0; i < count; ++i) {
                reader.ReadListBegin();
                TMarksItem& item = items_.Get(i);
                while (!reader.EndOfList()) reader.ReadProperty(item);
                reader.ReadListEnd();
            }
        },
        [this](TStream& stream) {
            const std::int32_t count = items_.Count();
            stream.WriteBuffer(&count, sizeof count);
            TWriter writer(stream);
            for (int i = 0; i < count; ++i) {
                writer.WriteListBegin();
                if (TMarksItem* item = items_.At(i)) writer.WriteProperties(*item);
                writer.WriteListEnd();
            }
        },
        items_.Count() > 0);
}

namespace {

// Marks can be made by name from form data while the engine is loaded.
struct MarksClassRegistration {
    MarksClassRegistration() { RegisterClass(TSeriesMarks::StaticClass()); }
    ~MarksClassRegistration() { UnRegisterClass(TSeriesMarks::StaticClass()); }
} registration;
}  // namespace
