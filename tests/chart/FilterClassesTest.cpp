// The twenty-one filter classes together: their registration order, their
// form data, their names, defaults and editor controls, and each of them
// applied to a picture of a chart.

#include "ChartPixelSurface.h"
#include "FilterEditorRecorder.h"

#include "chart/effects/ChartPicture.h"
#include "chart/effects/FilterItems.h"
#include "chart/filters/AmountFilter.h"
#include "chart/filters/FilterClasses.h"
#include "chart/panel/Chart.h"
#include "chart/series/LineSeries.h"

#include "ui/core/Component.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/TypeInfo.h"
#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kOrder = {
    "TInvertFilter",   "TGrayScaleFilter", "TMosaicFilter",   "TFlipFilter",           "TReverseFilter",
    "TBrightnessFilter", "TContrastFilter", "TColorFilter",   "THueLumSatFilter",      "TBlurFilter",
    "TSharpenFilter",  "TGammaCorrectionFilter", "TEmbossFilter", "TSoftenFilter",     "TCropFilter",
    "TResizeFilter",   "TRotateFilter",    "TMirrorFilter",   "TTileFilter",           "TBevelFilter",
    "TZoomFilter"};

std::unique_ptr<TChartFilter> MakeFilter(const TClassInfo& filterClass) {
    return std::unique_ptr<TChartFilter>(dynamic_cast<TChartFilter*>(filterClass.Create(nullptr)));
}

class FilterListHolder : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit FilterListHolder(TComponent* owner = nullptr) : TComponent(owner) {}
    TChartPicture Picture;
};

const TClassInfo& FilterListHolder::StaticClass() {
    static const TClassInfo info =
        TPublished<FilterListHolder>("FilterListHolder", TComponent::StaticClass())
            .Object("Picture", &TChartPicture::StaticClass, [](FilterListHolder& h) { return &h.Picture; }, nullptr)
            .Build();
    return info;
}

// The published fields a filter adds to the base filter.
std::vector<const TPropInfo*> OwnFields(const TChartFilter& filter) {
    std::vector<const TPropInfo*> own;
    for (const TPropInfo* p : filter.ClassType().Properties())
        if (!TChartFilter::StaticClass().FindProperty(p->Name) && p->Kind != TTypeKind::tkClass) own.push_back(p);
    return own;
}

// A value unlike the default for every own field, different per field.
void Unusual(TChartFilter& filter) {
    int k = 1;
    for (const TPropInfo* p : OwnFields(filter)) {
        if (p->Kind == TTypeKind::tkFloat) {
            p->SetFloat(filter, 12.5 + k);
        } else if (p->EnumType) {
            p->SetOrd(filter, (p->GetOrd(filter) + 1) % p->EnumType->Count());
        } else {
            p->SetOrd(filter, p->GetOrd(filter) + 3 * k);
        }
        ++k;
    }
}

}  // namespace

TEST(FilterClasses, AllTwentyOneRegisteredInTheirOrder) {
    RegisterChartFilters();
    RegisterChartFilters();  // a second time adds nothing
    std::vector<std::string> names;
    for (const TClassInfo* c : FilterClassList()) names.push_back(c->Name());
    EXPECT_EQ(names, kOrder);
    for (const std::string& name : kOrder) {
        const TClassInfo* found = GetClass(name);
        ASSERT_NE(found, nullptr) << name;
        EXPECT_TRUE(found->InheritsFrom(TChartFilter::StaticClass())) << name;
        EXPECT_NE(MakeFilter(*found), nullptr) << name;
    }
}

TEST(FilterClasses, AListNamingEveryClassReadsBack) {
    RegisterChartFilters();
    FilterListHolder holder;
    for (const TClassInfo* c : FilterClassList()) {
        TChartFilter* filter = holder.Picture.Filters().Add(*c);
        Unusual(*filter);
    }
    holder.Picture.Filters().Items(3)->SetEnabled(false);
    TMemoryStream stream;
    stream.WriteComponent(&holder);

    FilterListHolder read;
    stream.SetPosition(0);
    stream.ReadComponent(&read);
    const TFilterItems& back = read.Picture.Filters();
    ASSERT_EQ(back.Count(), static_cast<int>(kOrder.size()));
    for (int i = 0; i < back.Count(); ++i) {
        const TChartFilter& original = *holder.Picture.Filters().Items(i);
        const TChartFilter& copy = *back.Items(i);
        ASSERT_EQ(copy.ClassName(), kOrder[static_cast<std::size_t>(i)]);
        EXPECT_EQ(copy.Enabled(), i != 3) << copy.ClassName();
        for (const TPropInfo* p : OwnFields(original)) {
            if (p->Kind == TTypeKind::tkFloat)
                EXPECT_EQ(p->GetFloat(copy), p->GetFloat(original)) << copy.ClassName() << "." << p->Name;
            else
                EXPECT_EQ(p->GetOrd(copy), p->GetOrd(original)) << copy.ClassName() << "." << p->Name;
        }
    }
    // fields at their defaults are left out, and read back as those defaults
    FilterListHolder plain;
    plain.Picture.Filters().Add(FindClass("TMosaicFilter"));
    TMemoryStream small;
    small.WriteComponent(&plain);
    const std::string bytes(static_cast<const char*>(small.Memory()), static_cast<std::size_t>(small.Size()));
    EXPECT_EQ(bytes.find("Amount"), std::string::npos);
}

TEST(FilterClasses, DisplayNames) {
    RegisterChartFilters();
    const std::map<std::string, std::string> names = {
        {"TInvertFilter", "Invert"},         {"TGrayScaleFilter", "Gray scale"}, {"TMosaicFilter", "Mosaic"},
        {"TFlipFilter", "Flip"},             {"TReverseFilter", "Reverse"},      {"TBrightnessFilter", "Brightness"},
        {"TContrastFilter", "Contrast"},     {"TColorFilter", "Color"},          {"THueLumSatFilter", "Hue,Lum,Sat"},
        {"TBlurFilter", "Blur"},             {"TSharpenFilter", "Sharpen"},      {"TGammaCorrectionFilter", "Gamma correction"},
        {"TEmbossFilter", "Emboss"},         {"TSoftenFilter", "Antialias"},     {"TCropFilter", "Crop"},
        {"TResizeFilter", "Resize"},         {"TRotateFilter", "Rotate"},        {"TMirrorFilter", "Mirror"},
        {"TTileFilter", "Tile"},             {"TBevelFilter", "Bevel"},          {"TZoomFilter", "Zoom"}};
    for (const TClassInfo* c : FilterClassList()) EXPECT_EQ(MakeFilter(*c)->DisplayName(), names.at(c->Name()));
}

TEST(FilterClasses, Defaults) {
    RegisterChartFilters();
    const struct {
        const char* filter;
        const char* field;
        double value;
    } cases[] = {
        {"TBrightnessFilter", "Amount", 5}, {"TBrightnessFilter", "Percent", 1}, {"TContrastFilter", "Amount", 5},
        {"TMosaicFilter", "Amount", 8},     {"TGammaCorrectionFilter", "Amount", 70},
        {"TResizeFilter", "Width", 0},      {"TCropFilter", "Smooth", 0},        {"TGrayScaleFilter", "Method", 0},
        {"TRotateFilter", "AutoSize", 1},   {"TRotateFilter", "BackColor", clWhite},
        {"TMirrorFilter", "Direction", 0},  {"TTileFilter", "NumCols", 3},      {"TTileFilter", "NumRows", 3},
        {"TBevelFilter", "Bright", 64},     {"TBevelFilter", "Size", 15},        {"TZoomFilter", "Percent", 10},
        {"TZoomFilter", "Smooth", 0},       {"TColorFilter", "Blue", 0},         {"THueLumSatFilter", "Hue", 0},
    };
    for (const auto& c : cases) {
        auto filter = MakeFilter(FindClass(c.filter));
        const TPropInfo* p = filter->ClassType().FindProperty(c.field);
        ASSERT_NE(p, nullptr) << c.filter << "." << c.field;
        const double value = p->Kind == TTypeKind::tkFloat ? p->GetFloat(*filter) : double(p->GetOrd(*filter));
        EXPECT_EQ(value, c.value) << c.filter << "." << c.field;
        // what form data leaves out must be what a new filter has
        if (p->Default) {
            EXPECT_EQ(double(*p->Default), c.value) << c.filter << "." << c.field;
        }
    }
}

TEST(FilterClasses, EditorControls) {
    RegisterChartFilters();
    auto described = [](const FilterEditorRecorder& r) {
        std::vector<std::string> out;
        for (const auto& c : r.controls)
            out.push_back(c.kind + " " + c.name + " " + std::to_string(c.minimum) + ".." + std::to_string(c.maximum));
        return out;
    };
    const std::map<std::string, std::vector<std::string>> expected = {
        {"TInvertFilter", {}},
        {"TGrayScaleFilter", {"choice Method 0..2"}},
        {"TMosaicFilter", {"scroll Amount 0..100", "check Percent 0..1"}},
        {"TBrightnessFilter", {"scroll Amount -100..100", "check Percent 0..1"}},
        {"TContrastFilter", {"scroll Amount -100..100", "check Percent 0..1"}},
        {"TGammaCorrectionFilter", {"scroll Amount 0..100", "check Percent 0..1"}},
        {"TColorFilter", {"scroll Red -255..255", "scroll Green -255..255", "scroll Blue -255..255"}},
        {"THueLumSatFilter", {"scroll Hue -255..255", "scroll Luminance -255..255", "scroll Saturation -255..255"}},
        {"TResizeFilter", {"integer Width 0..10000", "integer Height 0..10000"}},
        {"TCropFilter", {"integer Width 0..10000", "integer Height 0..10000", "integer Left 0..10000",
                         "integer Top 0..10000", "check Smooth 0..1"}},
        {"TRotateFilter", {"scroll Angle 0..360", "colour Back 0..0", "check Autosize 0..1"}},
        {"TMirrorFilter", {"choice Direction 0..3"}},
        {"TTileFilter", {"integer Columns 1..1000", "integer Rows 1..1000"}},
        {"TBevelFilter", {"scroll Bright 1..255", "scroll Size 1..1000"}},
        {"TZoomFilter", {"scroll Percent 0..100", "check Smooth 0..1"}},
        {"TSharpenFilter", {}},
        {"TEmbossFilter", {}},
        {"TSoftenFilter", {}},
    };
    for (const auto& [name, controls] : expected) {
        auto filter = MakeFilter(FindClass(name));
        FilterEditorRecorder recorder;
        filter->AddEditorControls(recorder, nullptr);
        EXPECT_EQ(described(recorder), controls) << name;
    }
    // out of percent the amount runs over the whole channel range
    TChartFilter* brightness = nullptr;
    auto made = MakeFilter(FindClass("TBrightnessFilter"));
    brightness = made.get();
    static_cast<TAmountFilter*>(brightness)->SetPercent(false);
    FilterEditorRecorder recorder;
    brightness->AddEditorControls(recorder, nullptr);
    EXPECT_EQ(described(recorder).front(), "scroll Amount -255..255");
    // the controls change the filter they were made for
    recorder.controls[0].set(-40);
    recorder.controls[1].set(1);
    EXPECT_EQ(static_cast<TAmountFilter*>(brightness)->Amount(), -40);
    EXPECT_TRUE(static_cast<TAmountFilter*>(brightness)->Percent());
}

TEST(FilterClasses, NothingHappensToAnEmptyPicture) {
    RegisterChartFilters();
    for (const TClassInfo* c : FilterClassList()) {
        auto filter = MakeFilter(*c);
        Unusual(*filter);
        TBitmap empty;
        filter->ApplyToBitmap(empty);
        EXPECT_TRUE(empty.Empty()) << c->Name();
    }
}

namespace {

// A small flat chart of a sine and a cosine with its axes.
std::unique_ptr<TBitmap> ChartPicture(int w, int h) {
    TChart chart;
    chart.SetBounds(0, 0, w, h);
    chart.SetView3D(false);
    chart.SetColor(clWhite);
    chart.Legend().SetVisible(false);
    TLineSeries sine, cosine;
    sine.SetParentChart(&chart);
    cosine.SetParentChart(&chart);
    sine.SetSeriesColor(clRed);
    cosine.SetSeriesColor(clBlue);
    sine.LinePen().SetWidth(2);
    cosine.LinePen().SetWidth(2);
    for (int i = 0; i <= 40; ++i) {
        sine.AddPointXY(i, std::sin(i * 0.2));
        cosine.AddPointXY(i, std::cos(i * 0.2));
    }
    auto bitmap = std::make_unique<TBitmap>(w, h, TPixelFormat::pf24bit);
    chart.RenderTo(bitmap->Canvas(), TRect{0, 0, w, h});
    sine.SetParentChart(nullptr);
    cosine.SetParentChart(nullptr);
    return bitmap;
}

// Settings that make each filter do something visible.
void Visible(TChartFilter& filter) {
    const std::map<std::string, std::vector<std::pair<std::string, double>>> settings = {
        {"TMosaicFilter", {{"Amount", 6}}},
        {"TBrightnessFilter", {{"Amount", 40}}},
        {"TContrastFilter", {{"Amount", 80}}},
        {"TColorFilter", {{"Red", 120}, {"Blue", -60}}},
        {"THueLumSatFilter", {{"Hue", 60}}},
        {"TBlurFilter", {{"Steps", 2}}},
        {"TGammaCorrectionFilter", {{"Amount", 250}}},
        {"TCropFilter", {{"Left", 40}, {"Top", 20}, {"Width", 60}, {"Height", 40}}},
        {"TResizeFilter", {{"Width", 80}, {"Height", 50}}},
        {"TRotateFilter", {{"Angle", 30}}},
        {"TZoomFilter", {{"Percent", 40}}},
        {"TTileFilter", {{"NumCols", 2}, {"NumRows", 2}}},
        {"TBevelFilter", {{"Bright", 90}, {"Size", 8}}},
    };
    const auto found = settings.find(filter.ClassName());
    if (found == settings.end()) return;
    for (const auto& [field, value] : found->second) {
        const TPropInfo* p = filter.ClassType().FindProperty(field);
        if (p->Kind == TTypeKind::tkFloat)
            p->SetFloat(filter, value);
        else
            p->SetOrd(filter, static_cast<std::int64_t>(value));
    }
}

}  // namespace

TEST(FilterClasses, EachFilterOnAPictureOfAChart) {
    RegisterChartFilters();
    constexpr int w = 160, h = 100, columns = 6, gap = 4;
    const auto original = ChartPicture(w, h);
    const int count = static_cast<int>(FilterClassList().size()) + 1;
    const int rows = (count + columns - 1) / columns;
    // the original first, then each filter; a contact sheet for a person to look at
    TBitmap sheet((w + gap) * columns, (h + gap) * rows, TPixelFormat::pf24bit);
    sheet.Canvas()->Brush()->SetColor(clGray);
    sheet.Canvas()->FillRect(TRect{0, 0, sheet.Width(), sheet.Height()});
    sheet.Canvas()->Draw(0, 0, original.get());
    int cell = 1;
    for (const TClassInfo* c : FilterClassList()) {
        auto filter = MakeFilter(*c);
        Visible(*filter);
        TBitmap picture;
        picture.Assign(original.get());
        filter->ApplyToBitmap(picture);
        ASSERT_FALSE(picture.Empty()) << c->Name();
        // every filter set to act leaves a picture unlike the chart it was given
        bool changed = picture.Width() != w || picture.Height() != h;
        for (int y = 0; y < std::min(h, picture.Height()) && !changed; ++y)
            for (int x = 0; x < std::min(w, picture.Width()) && !changed; ++x)
                changed = picture.Canvas()->Pixels(x, y) != original->Canvas()->Pixels(x, y);
        EXPECT_TRUE(changed) << c->Name();
        const int x0 = (cell % columns) * (w + gap), y0 = (cell / columns) * (h + gap);
        sheet.Canvas()->StretchDraw(TRect{x0, y0, x0 + w, y0 + h}, &picture);
        ++cell;
    }
    DumpChartPixels("filters-on-a-chart", sheet.Width(), sheet.Height(),
                    [&sheet](int x, int y) { return sheet.Canvas()->Pixels(x, y); });
}
