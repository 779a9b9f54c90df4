#include "PngFixtures.h"

#include "tools/skingen/InternalSkin.h"

#include "skin/core/manager/SkinManager.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/utils/SkinSystem.h"

#include "tests/support/TempFolder.h"

#include "ui/graphics/Bitmap.h"

#include "platform/display/Display.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

class SkinManagerPixels : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        SetSkinMessageBoxFunction([this](const std::string& text, bool) { shown.push_back(text); });
        manager.SetSkinDirectory(folder.Path().string());
        AddClassicInternalSkin(manager);
    }
    void TearDown() override { SetSkinMessageBoxFunction(nullptr); }
    // The master bitmap's pixels under a GLOBALINFO glyph.
    std::vector<std::uint32_t> GlyphPixels(const char* key) {
        const TSkinContent& skin = manager.Skin();
        int index = skin.FindOwnMaskIndex("GLOBALINFO", key);
        EXPECT_TRUE(skin.MaskIndexValid(index)) << key;
        std::vector<std::uint32_t> out;
        if (!skin.MaskIndexValid(index)) return out;
        const platform::RECT& r = skin.Masks[std::size_t(index)].SourceRect;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) out.push_back(ReadPixel32(*skin.MasterBitmap, x, y));
        return out;
    }
    void WriteFile(const std::filesystem::path& path, const TBytes& bytes) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
    }

    TempFolder folder;
    TSkinManager manager{nullptr};
    std::vector<std::string> shown;
};

}  // namespace

TEST_F(SkinManagerPixels, HueOffsetTurnsTheSkinButTheCloseGlyph) {
    manager.SetSkinName("Graphite");
    ASSERT_EQ(manager.SkinData().TitleIconKeepHue, 2);
    std::vector<std::uint32_t> close = GlyphPixels("BICONCLOSE"), max = GlyphPixels("BICONMAX");
    std::int32_t color = manager.Skin().GeneralData.at(std::size_t(manager.FindSectionIndex("BUTTON"))).Color;
    // The setter reads the skin again.
    manager.SetHueOffset(120);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(GlyphPixels("BICONCLOSE"), close);
    EXPECT_NE(GlyphPixels("BICONMAX"), max);
    std::int32_t turned = manager.Skin().GeneralData.at(std::size_t(manager.FindSectionIndex("BUTTON"))).Color;
    EXPECT_EQ(turned == color, (color & 0xFF) == ((color >> 8) & 0xFF) && ((color >> 8) & 0xFF) == ((color >> 16) & 0xFF));
}

TEST_F(SkinManagerPixels, ShadowTemplatesOfASkinWithoutExBorder) {
    manager.SetSkinName("Graphite");
    EXPECT_EQ(manager.ShadowTemplates().Margins, TRect());
    TBitmap active(20, 20, TPixelFormat::pf32bit), inactive(20, 20, TPixelFormat::pf32bit);
    manager.DefaultShadows = {&active, &inactive};
    manager.SetExtendedBorders(true);
    EXPECT_EQ(manager.ShadowTemplates().Margins, TRect(9, 9, 9, 9));
    ASSERT_TRUE(manager.ShadowTemplates().Active);
    EXPECT_EQ(manager.ShadowTemplates().Active->Width(), 20);
    manager.SetExtendedBorders(false);
    EXPECT_EQ(manager.ShadowTemplates().Margins, TRect());
}

TEST_F(SkinManagerPixels, PngImagesOfASkinFolderByVersion) {
    TSampleImage image{2, 1, 6, 8, {255, 255, 255, 0, 200, 100, 50, 128}};
    struct Case {
        const char* Version;
        std::uint32_t Second;
    };
    // Below 7.45 only white of alpha 0 is cleared; from 7.45 the colours are premultiplied.
    const Case cases[] = {{"7.0", 0x80C86432}, {"7.45", 0x80643219}};
    for (const Case& c : cases) {
        std::string options = std::string("[GLOBALINFO]\r\nVERSION=") + c.Version + "\r\n[BUTTON]\r\nGLYPH=!GLYPH.PNG!1!0!2\r\n";
        WriteFile(folder.Path() / "Png" / "Options.dat", TBytes(options.begin(), options.end()));
        WriteFile(folder.Path() / "Png" / "GLYPH.PNG", MakePng(image, false));
        manager.SetSkinName("Png");
        ASSERT_EQ(manager.SkinName(), "Png") << (shown.empty() ? "" : shown.back());
        int index = manager.Skin().FindOwnMaskIndex("BUTTON", "GLYPH");
        ASSERT_TRUE(manager.Skin().MaskIndexValid(index));
        TBitmap& picture = *manager.Skin().Masks[std::size_t(index)].Image;
        ASSERT_EQ(picture.PixelFormat(), TPixelFormat::pf32bit);
        EXPECT_EQ(ReadPixel32(picture, 0, 0), 0u) << c.Version;
        EXPECT_EQ(ReadPixel32(picture, 1, 0), c.Second) << c.Version;
    }
}

TEST_F(SkinManagerPixels, ADamagedPngImageKeepsThePreviousSkin) {
    manager.SetSkinName("Graphite");
    std::string options = "[GLOBALINFO]\r\nVERSION=8\r\n[BUTTON]\r\nGLYPH=!GLYPH.PNG!1!0!2\r\n";
    WriteFile(folder.Path() / "Bad" / "Options.dat", TBytes(options.begin(), options.end()));
    TBytes png = MakePng(PatternImage(2, 2, 6, 8), false);
    png[20] ^= 0xFF;  // inside the header: its CRC no longer matches
    WriteFile(folder.Path() / "Bad" / "GLYPH.PNG", png);
    shown.clear();
    manager.SetSkinName("Bad");
    EXPECT_EQ(manager.SkinName(), "Classic (внутренний)");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Cannot load image. CRC error found in PNG file.");
}
