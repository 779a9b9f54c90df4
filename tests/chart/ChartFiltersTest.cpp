#include "FilterEditorRecorder.h"

#include "chart/effects/BlurFilter.h"
#include "chart/effects/ChartPicture.h"
#include "chart/effects/ConvolveFilter.h"
#include "chart/effects/FilterItems.h"
#include "chart/effects/FilterRegion.h"

#include "ui/core/Component.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Writer.h"
#include "ui/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

// A 24-bit bitmap whose pixels all have the same value in every channel,
// taken from `value(x, y)`.
template <class F>
std::unique_ptr<TBitmap> GreyBitmap(int width, int height, F value) {
    auto bitmap = std::make_unique<TBitmap>(width, height, TPixelFormat::pf24bit);
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<TRGBTriple*>(bitmap->ScanLine(y));
        for (int x = 0; x < width; ++x) {
            const auto v = static_cast<std::uint8_t>(value(x, y));
            row[x] = {v, v, v};
        }
    }
    return bitmap;
}

TRGBTriple Pixel(TBitmap& bitmap, int x, int y) { return static_cast<TRGBTriple*>(bitmap.ScanLine(y))[x]; }
int Grey(TBitmap& bitmap, int x, int y) { return Pixel(bitmap, x, y).Green; }

// A kernel given in the test.
class KernelFilter : public TConvolveFilter {
public:
    explicit KernelFilter(const std::array<float, 9>& kernel) {
        for (int i = 0; i < 9; ++i) weights_[i / 3][i % 3] = kernel[static_cast<std::size_t>(i)];
    }
};

}  // namespace

TEST(BlurFilter, MeanOfTheBlockAndTheBorderKept) {
    // values that make every 3 x 3 mean a fraction, to see the rounding
    auto value = [](int x, int y) { return (x * 37 + y * 91) % 256; };
    auto bitmap = GreyBitmap(6, 5, value);
    TBlurFilter blur;
    blur.ApplyToBitmap(*bitmap);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            if (x == 0 || y == 0 || x == 5 || y == 4) {
                EXPECT_EQ(Grey(*bitmap, x, y), value(x, y)) << x << "," << y;
                continue;
            }
            int sum = 0;
            for (int j = -1; j <= 1; ++j)
                for (int i = -1; i <= 1; ++i) sum += value(x + i, y + j);
            EXPECT_EQ(Grey(*bitmap, x, y), static_cast<int>(std::lround(sum / 9.0))) << x << "," << y;
        }
}

TEST(BlurFilter, AmountAndSteps) {
    // one bright pixel in the middle of a black 7 x 7 picture
    auto spot = [](int x, int y) { return x == 3 && y == 3 ? 240 : 0; };
    struct Case {
        int amount, steps;
        int centre, beside, two_away;
    };
    const Case cases[] = {
        {1, 1, 27, 27, 0},    // 240 / 9 over the 3 x 3 block
        {0, 1, 0, 30, 0},     // the centre left out: 240 / 8 around it
        {7, 1, 112, 16, 0},   // 240 * 7 / 15 and 240 / 15
        {1, 2, 27, 18, 9},    // the second pass spreads the first one's 3 x 3 block
    };
    for (const Case& c : cases) {
        auto bitmap = GreyBitmap(7, 7, spot);
        TBlurFilter blur;
        blur.SetAmount(c.amount);
        blur.SetSteps(c.steps);
        blur.ApplyToBitmap(*bitmap);
        EXPECT_EQ(Grey(*bitmap, 3, 3), c.centre) << c.amount << "/" << c.steps;
        EXPECT_EQ(Grey(*bitmap, 4, 3), c.beside) << c.amount << "/" << c.steps;
        EXPECT_EQ(Grey(*bitmap, 5, 3), c.two_away) << c.amount << "/" << c.steps;
    }
}

TEST(ConvolveFilter, KernelsOnAStep) {
    // left half 100, right half 200 (columns 0-2 and 3-5), all rows alike
    auto step = [](int x, int) { return x < 3 ? 100 : 200; };
    struct Case {
        const char* name;
        std::array<float, 9> kernel;
        int at2, at3;  // results in columns 2 and 3
    };
    const Case cases[] = {
        // 62.5 and 237.5: halves go to the even neighbour
        {"sharpen", {-0.125f, -0.125f, -0.125f, -0.125f, 2, -0.125f, -0.125f, -0.125f, -0.125f}, 62, 238},
        // weights summing to -1: the sum is negated
        {"emboss", {0, -1, 0, -1, 1, 1, 0, -1, 0}, 0, 100},
        {"soften", {0, 0, 0, 0, 1, 1, 0, 1, 1}, 150, 200},
        {"identity", {0, 0, 0, 0, 1, 0, 0, 0, 0}, 100, 200},
    };
    for (const Case& c : cases) {
        auto bitmap = GreyBitmap(6, 4, step);
        KernelFilter filter(c.kernel);
        filter.ApplyToBitmap(*bitmap);
        EXPECT_EQ(Grey(*bitmap, 2, 1), c.at2) << c.name;
        EXPECT_EQ(Grey(*bitmap, 3, 2), c.at3) << c.name;
        EXPECT_EQ(Grey(*bitmap, 0, 1), 100) << c.name << ": the border stays";
    }
}

TEST(ConvolveFilter, ChannelsKeptApartAndClamped) {
    auto bitmap = std::make_unique<TBitmap>(3, 3, TPixelFormat::pf24bit);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) static_cast<TRGBTriple*>(bitmap->ScanLine(y))[x] = {10, 120, 250};
    static_cast<TRGBTriple*>(bitmap->ScanLine(2))[2] = {0, 0, 0};
    // (3 * centre - bottom-right) / 2: one and a half times each channel
    KernelFilter filter({0, 0, 0, 0, 3, 0, 0, 0, -1});
    filter.ApplyToBitmap(*bitmap);
    const TRGBTriple p = Pixel(*bitmap, 1, 1);
    EXPECT_EQ(p.Blue, 15);
    EXPECT_EQ(p.Green, 180);
    EXPECT_EQ(p.Red, 255);
}

TEST(ChartFilter, RegionToRectangle) {
    struct Case {
        int left, top, width, height;
        TRect expected;
    };
    const Case cases[] = {
        {10, 0, 0, 0, {10, 0, 99, 49}},     // width 0 runs to the edge
        {10, 5, 200, 0, {10, 5, 99, 49}},   // too wide: limited to the last column
        {10, 5, 20, 10, {10, 5, 30, 15}},
        {150, 60, 0, 0, {150, 60, 150, 60}}, // beyond the bitmap: nothing inside
    };
    for (const Case& c : cases) {
        TFilterRegion region;
        region.Left = c.left;
        region.Top = c.top;
        region.Width = c.width;
        region.Height = c.height;
        EXPECT_EQ(FilterRect(&region, 100, 50), c.expected) << c.left << " " << c.width;
    }
    EXPECT_EQ(FilterRect(nullptr, 100, 50), (TRect{0, 0, 99, 49}));

    TChartFilter filter;
    TFilterRegion empty;
    filter.Region().Left = 3;
    filter.SetRegion(&empty);
    EXPECT_FALSE(filter.HasRegion());
}

TEST(ChartFilter, BlurOnlyInsideItsRegion) {
    auto stripes = [](int x, int) { return x % 2 ? 255 : 0; };
    auto bitmap = GreyBitmap(12, 6, stripes);
    TBlurFilter blur;
    blur.Region().Left = 4;
    blur.Region().Width = 4;  // columns 4..8, so 5..7 change
    blur.ApplyToBitmap(*bitmap);
    for (int x = 0; x < 12; ++x) {
        const bool inner = x >= 5 && x <= 7;
        const int expected = inner ? (x % 2 ? 85 : 170) : stripes(x, 0);
        EXPECT_EQ(Grey(*bitmap, x, 2), expected) << x;
    }
}

TEST(FilterItems, EnabledFiltersInOrderAndCopies) {
    TFilterItems items;
    auto* first = static_cast<TBlurFilter*>(items.Add(TBlurFilter::StaticClass()));
    first->SetAmount(0);
    first->SetSteps(3);
    first->Region().Left = 2;
    auto* off = static_cast<TBlurFilter*>(items.Add(TBlurFilter::StaticClass()));
    off->SetEnabled(false);
    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(first->DisplayName(), "Blur");

    // a disabled filter changes nothing
    TFilterItems onlyOff;
    onlyOff.Add(TBlurFilter::StaticClass())->SetEnabled(false);
    auto spot = [](int x, int y) { return x == 2 && y == 2 ? 200 : 0; };
    auto bitmap = GreyBitmap(5, 5, spot);
    onlyOff.ApplyToBitmap(*bitmap);
    EXPECT_EQ(Grey(*bitmap, 2, 2), 200);

    TFilterItems copy;
    copy.Add(TBlurFilter::StaticClass());
    copy.Assign(&items);
    ASSERT_EQ(copy.Count(), 2);
    auto* copied = dynamic_cast<TBlurFilter*>(copy.Items(0));
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->Amount(), 0);
    EXPECT_EQ(copied->Steps(), 3);
    EXPECT_EQ(copied->Region().Left, 2);
    EXPECT_FALSE(copy.Items(1)->Enabled());
}

TEST(ChartPicture, FilteredGraphic) {
    TChartPicture picture;
    EXPECT_EQ(picture.FilteredGraphic(), nullptr);
    auto spot = [](int x, int y) { return x == 2 && y == 2 ? 90 : 0; };
    auto bitmap = GreyBitmap(5, 5, spot);
    picture.SetGraphic(bitmap.get());
    EXPECT_EQ(picture.FilteredGraphic(), picture.Graphic());
    picture.Filters();  // an empty list is no filter
    EXPECT_EQ(picture.FilteredGraphic(), picture.Graphic());

    picture.Filters().Add(TBlurFilter::StaticClass());
    auto* filtered = dynamic_cast<TBitmap*>(picture.FilteredGraphic());
    ASSERT_NE(filtered, nullptr);
    ASSERT_NE(static_cast<TGraphic*>(filtered), picture.Graphic());
    EXPECT_EQ(Grey(*filtered, 2, 2), 10);
    // the picture itself is untouched, and each call filters it afresh
    EXPECT_EQ(Grey(*static_cast<TBitmap*>(picture.Graphic()), 2, 2), 90);
    EXPECT_EQ(Grey(*static_cast<TBitmap*>(picture.FilteredGraphic()), 2, 2), 10);

    TChartPicture copy;
    copy.Assign(&picture);
    ASSERT_TRUE(copy.HasFilters());
    EXPECT_EQ(Grey(*static_cast<TBitmap*>(copy.FilteredGraphic()), 2, 2), 10);
    TChartPicture plain;
    copy.Assign(&plain);
    EXPECT_FALSE(copy.HasFilters());
}

namespace {

class PictureHolder : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit PictureHolder(TComponent* owner = nullptr) : TComponent(owner) {}
    TChartPicture Picture;
};

const TClassInfo& PictureHolder::StaticClass() {
    static const TClassInfo info =
        TPublished<PictureHolder>("PictureHolder", TComponent::StaticClass())
            .Object("Picture", &TChartPicture::StaticClass,
                    [](PictureHolder& h) { return &h.Picture; }, nullptr)
            .Build();
    return info;
}

bool Contains(TMemoryStream& stream, const std::string& text) {
    const auto* bytes = static_cast<const char*>(stream.Memory());
    return std::string(bytes, static_cast<std::size_t>(stream.Size())).find(text) != std::string::npos;
}

}  // namespace

TEST(ChartPicture, FilterItemsInFormData) {
    PictureHolder empty;
    empty.Picture.Filters();
    TMemoryStream none;
    none.WriteComponent(&empty);
    EXPECT_FALSE(Contains(none, "FilterItems"));

    PictureHolder holder;
    holder.Picture.Filters().Add(TBlurFilter::StaticClass())->SetEnabled(false);
    auto* blur = static_cast<TBlurFilter*>(holder.Picture.Filters().Add(TBlurFilter::StaticClass()));
    blur->SetSteps(4);
    blur->Region().Top = 7;
    TMemoryStream stream;
    stream.WriteComponent(&holder);
    EXPECT_TRUE(Contains(stream, "Picture.FilterItems"));
    EXPECT_TRUE(Contains(stream, "ItemClass"));

    PictureHolder read;
    read.Picture.Filters().Add(TBlurFilter::StaticClass());
    read.Picture.Filters().Add(TBlurFilter::StaticClass());
    read.Picture.Filters().Add(TBlurFilter::StaticClass());
    stream.SetPosition(0);
    stream.ReadComponent(&read);
    ASSERT_EQ(read.Picture.Filters().Count(), 2);
    EXPECT_FALSE(read.Picture.Filters().Items(0)->Enabled());
    auto* back = dynamic_cast<TBlurFilter*>(read.Picture.Filters().Items(1));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Steps(), 4);
    EXPECT_EQ(back->Amount(), 1);
    EXPECT_EQ(back->Region().Top, 7);
}

TEST(ChartPicture, UnknownFilterClassIsAnError) {
    PictureHolder holder;
    holder.Picture.Filters().Add(TBlurFilter::StaticClass());
    TMemoryStream stream;
    stream.WriteComponent(&holder);
    // the same length as the real class name, so the data stays well formed
    std::string bytes(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
    const std::size_t at = bytes.find("TBlurFilter");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 11, "TNoSuchThng");
    TMemoryStream broken;
    broken.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    broken.SetPosition(0);
    PictureHolder read;
    EXPECT_THROW(broken.ReadComponent(&read), EClassNotFound);
}

TEST(BlurFilter, EditorFields) {
    // what a filter editor would offer: names, ranges, and fields that change the filter
    FilterEditorRecorder recorder;
    TBlurFilter blur;
    blur.AddEditorControls(recorder, nullptr);
    ASSERT_EQ(recorder.controls.size(), 2u);
    EXPECT_EQ(recorder.controls[0].name, "Steps");
    EXPECT_EQ(recorder.controls[0].minimum, 1);
    EXPECT_EQ(recorder.controls[0].maximum, 20);
    EXPECT_EQ(recorder.controls[1].name, "Amount");
    EXPECT_EQ(recorder.controls[1].minimum, 0);
    EXPECT_EQ(recorder.controls[1].maximum, 50);
    recorder.controls[0].set(6);
    EXPECT_EQ(blur.Steps(), 6);
    EXPECT_EQ(recorder.controls[1].get(), 1);
}
