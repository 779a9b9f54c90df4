#include "PixelFixtures.h"

#include "tools/skingen/InternalSkin.h"

#include "skin/core/alpha/Section32.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/text/TextOnAlpha.h"
#include "skin/core/utils/SkinSystem.h"

#include "tests/support/TempFolder.h"

#include "png/PngPicture.h"
#include "ui/core/MemoryStream.h"
#include "ui/graphics/Canvas.h"

#include "platform/display/Display.h"
#include "platform/text/DrawText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

constexpr unsigned kCentred = platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_CENTER | platform::DT_NOPREFIX;
constexpr unsigned kLeft = platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_NOPREFIX;
constexpr int kTitleWidth = 360, kTitleHeight = 30, kButtonWidth = 110, kButtonHeight = 30;

class SkinCaptions : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        SetSkinMessageBoxFunction([](const std::string&, bool) {});
        manager.SetSkinDirectory(folder.Path().string());
        AddClassicInternalSkin(manager);
        manager.SetSkinName("Classic (внутренний)");
        title = manager.FindSectionIndex("FORMTITLE");
        button = manager.FindSectionIndex("BUTTON");
        ASSERT_GE(title, 0);
        ASSERT_GE(button, 0);
    }
    void TearDown() override { SetSkinMessageBoxFunction(nullptr); }

    std::unique_ptr<TBitmap> Layer(int w, int h) {
        auto bitmap = SolidBitmap32(w, h, 0);
        bitmap->Canvas()->Font()->SetName("Tahoma");
        bitmap->Canvas()->Font()->SetSize(10);
        return bitmap;
    }
    std::uint32_t FontPixel(int section, int state) const {
        const TSkGeneralData& s = manager.Skin().GeneralData[std::size_t(section)];
        return ExchangeRedBlue(static_cast<std::uint32_t>(s.StateProps[std::size_t(state)].FontColor[0])) | 0xFF000000u;
    }
    std::unique_ptr<TBitmap> Button(int state, const std::string& caption) {
        auto layer = Layer(kButtonWidth, kButtonHeight);
        PaintSection32(button, state, &manager, *layer, TRect(0, 0, kButtonWidth, kButtonHeight));
        DrawSectionTextAlpha(*layer, caption, true, &manager, state == 1, button, kCentred,
                             TRect(0, 0, kButtonWidth, kButtonHeight));
        return layer;
    }
    // Premultiplied layers over a light checker, written as a PNG when
    // VELZAR_SKIN_PICTURES names a folder.
    static void Keep(const std::vector<std::pair<TBitmap*, TPoint>>& layers, int w, int h, const std::string& name) {
        const char* where = std::getenv("VELZAR_SKIN_PICTURES");
        if (!where) return;
        TBitmap sheet(w, h, TPixelFormat::pf24bit);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) sheet.Canvas()->SetPixel(x, y, ((x / 8 + y / 8) % 2) ? TColor(0xC8BEB8) : TColor(0xEAE4E0));
        for (const auto& [layer, at] : layers)
            for (int y = 0; y < layer->Height(); ++y)
                for (int x = 0; x < layer->Width(); ++x) {
                    const std::uint32_t p = ReadPixel32(*layer, x, y), a = p >> 24;
                    const std::uint32_t back = ExchangeRedBlue(static_cast<std::uint32_t>(sheet.Canvas()->Pixels(at.X + x, at.Y + y)));
                    std::uint32_t out = 0;
                    for (int shift : kColorShifts)
                        out |= std::min<std::uint32_t>(255, ChannelOf(p, shift) + ChannelOf(back, shift) * (255 - a) / 255) << shift;
                    sheet.Canvas()->SetPixel(at.X + x, at.Y + y, TColor(ExchangeRedBlue(out)));
                }
        TPngPicture picture;
        picture.AssignBitmapHandle(sheet.Handle(), false, 0);
        TMemoryStream stream;
        picture.SaveToStream(stream);
        std::ofstream(std::filesystem::path(where) / (name + ".png"), std::ios::binary)
            .write(stream.Memory(), static_cast<std::streamsize>(stream.Size()));
    }
    TempFolder folder;
    TSkinManager manager{nullptr};
    int title = -1, button = -1;
};

// The title bar is opaque, so every pixel keeps alpha 255 under the caption
// too, and fully covered letters take the title's font colour exactly.
TEST_F(SkinCaptions, RussianCaptionOnTheFormTitle) {
    auto bar = Layer(kTitleWidth, kTitleHeight);
    PaintSection32(title, 1, &manager, *bar, TRect(0, 0, kTitleWidth, kTitleHeight));
    const std::vector<std::uint32_t> before = PixelsOf(*bar);
    DrawSectionTextAlpha(*bar, "Велзар — настройки первой ступени", true, &manager, true, title, kLeft,
                         TRect(10, 0, kTitleWidth - 10, kTitleHeight));
    int changed = 0;
    for (std::uint32_t p : PixelsOf(*bar)) EXPECT_EQ(p >> 24, 0xFFu);
    const std::vector<std::uint32_t> after = PixelsOf(*bar);
    for (std::size_t i = 0; i < after.size(); ++i) changed += after[i] != before[i];
    EXPECT_GT(changed, 100);
    EXPECT_GT(std::count(after.begin(), after.end(), FontPixel(title, 1)), 0);
    Keep({{bar.get(), {10, 10}}}, kTitleWidth + 20, kTitleHeight + 20, "caption-formtitle");
}

// Buttons keep their see-through corners while their captions turn opaque;
// the hot button's caption is in its hot font colour.
TEST_F(SkinCaptions, RussianCaptionsOnButtons) {
    const std::vector<std::pair<int, std::string>> buttons{{0, "Записать"}, {1, "Прочитать"}, {2, "Отмена"}};
    std::vector<std::unique_ptr<TBitmap>> layers;
    std::vector<std::pair<TBitmap*, TPoint>> placed;
    for (const auto& [state, caption] : buttons) {
        auto plain = Layer(kButtonWidth, kButtonHeight);
        PaintSection32(button, state, &manager, *plain, TRect(0, 0, kButtonWidth, kButtonHeight));
        auto layer = Button(state, caption);
        EXPECT_LT(ReadPixel32(*layer, 0, 0) >> 24, 0xFFu) << caption;
        EXPECT_EQ(ReadPixel32(*layer, 0, 0), ReadPixel32(*plain, 0, 0)) << caption;
        EXPECT_EQ(ReadPixel32(*layer, kButtonWidth / 2, 2) >> 24, 0xFFu) << caption;
        const std::vector<std::uint32_t> pixels = PixelsOf(*layer);
        EXPECT_GT(std::count(pixels.begin(), pixels.end(), FontPixel(button, state == 1 ? 1 : 0)), 0) << caption;
        placed.emplace_back(layer.get(), TPoint{10 + static_cast<int>(layers.size()) * (kButtonWidth + 10), 10});
        layers.push_back(std::move(layer));
    }
    EXPECT_NE(FontPixel(button, 0), FontPixel(button, 1));
    Keep(placed, 3 * (kButtonWidth + 10) + 10, kButtonHeight + 20, "caption-buttons");
}

}  // namespace
