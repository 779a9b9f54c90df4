#include "tests/support/TempFolder.h"
#include "ui/core/Exceptions.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/PublishedProperties.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/GraphicsObjects.h"
#include "ui/graphics/Icon.h"
#include "ui/graphics/Picture.h"

#include "platform/gdi/SystemColors.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

TEST(Colors, SystemColoursNamesAndNumbers) {
    EXPECT_EQ(ColorToRGB(clBtnFace), platform::GetSysColor(platform::COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clInfoBk), platform::GetSysColor(platform::COLOR_INFOBK));
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xB3B3FF)), 0xB3B3FFu);
    const struct {
        TColor color;
        const char* text;
    } named[] = {{clRed, "clRed"}, {clBtnFace, "clBtnFace"}, {clNone, "clNone"}, {0x123456, "$00123456"}};
    for (const auto& c : named) {
        EXPECT_EQ(ColorToString(c.color), c.text);
        EXPECT_EQ(StringToColor(c.text), c.color) << c.text;
    }
    EXPECT_EQ(StringToColor("CLWINDOW"), clWindow);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_THROW(StringToColor("clPurpleish"), EConvertError);
}

TEST(GraphicsObjects, ChangesAreToldOnceAndOnlyForRealChanges) {
    TFont font;
    TPen pen;
    TBrush brush;
    int changes = 0;
    for (TGraphicsObject* o : std::initializer_list<TGraphicsObject*>{&font, &pen, &brush})
        o->OnChange = [&](TObject*) { ++changes; };
    font.SetSize(12);
    font.SetSize(12);
    font.SetStyle({TFontStyle::fsBold});
    pen.SetWidth(3);
    pen.SetWidth(3);
    brush.SetColor(clRed);
    brush.SetStyle(TBrushStyle::bsClear);
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(font.Height(), -16);  // 12 points at 96 dpi
    EXPECT_EQ(font.Size(), 12);

    TFont copy;
    int copyChanges = 0;
    copy.OnChange = [&](TObject*) { ++copyChanges; };
    copy.Assign(&font);
    copy.Assign(&font);  // the same values: no change
    EXPECT_EQ(copyChanges, 1);
    EXPECT_TRUE(copy.Style().Contains(TFontStyle::fsBold));
    EXPECT_THROW(copy.Assign(&pen), EConvertError);
    EXPECT_NE(font.Handle(), nullptr);
    EXPECT_NE(pen.Handle(), nullptr);
    EXPECT_NE(brush.Handle(), nullptr);
}

TEST(GraphicsObjects, ABrushBitmapFillsAsARepeatedPattern) {
    TBrush brush;
    int changes = 0;
    brush.OnChange = [&](TObject*) { ++changes; };
    {
        // a 2 x 2 checker, gone once the brush has it
        TBitmap checker(2, 2);
        checker.Canvas()->SetPixel(0, 0, clRed);
        checker.Canvas()->SetPixel(1, 1, clRed);
        checker.Canvas()->SetPixel(1, 0, clBlue);
        checker.Canvas()->SetPixel(0, 1, clBlue);
        brush.SetBitmap(&checker);
    }
    EXPECT_EQ(changes, 1);
    ASSERT_NE(brush.Bitmap(), nullptr);
    TBitmap target(6, 4);
    target.Canvas()->Brush()->Assign(&brush);
    EXPECT_EQ(target.Canvas()->Brush()->Bitmap(), brush.Bitmap());  // assigned brushes share the copy
    brush.SetColor(clLime);  // a bitmap fills whatever the colour
    target.Canvas()->Brush()->Assign(&brush);
    target.Canvas()->FillRect(TRect{0, 0, 6, 4});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(target.Canvas()->Pixels(x, y), (x + y) % 2 == 0 ? clRed : clBlue) << x << "," << y;

    brush.SetBitmap(nullptr);
    EXPECT_EQ(brush.Bitmap(), nullptr);
    brush.SetBitmap(nullptr);  // nothing to drop: no change
    EXPECT_EQ(changes, 3);
    target.Canvas()->Brush()->Assign(&brush);
    target.Canvas()->FillRect(TRect{0, 0, 6, 4});
    EXPECT_EQ(target.Canvas()->Pixels(3, 2), clLime);
}

TEST(Bitmap, ScanLinesPixelFormatsAndSizes) {
    TBitmap bitmap(3, 2, TPixelFormat::pf24bit);
    EXPECT_EQ(bitmap.BytesPerRow(), 12);  // rows padded to four bytes
    auto* row = static_cast<std::uint8_t*>(bitmap.ScanLine(1));
    row[0] = 0x30, row[1] = 0x20, row[2] = 0x10;  // blue, green, red of (0, 1)
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 1), 0x302010);
    EXPECT_EQ(bitmap.Canvas()->Pixels(2, 0), 0xFFFFFF);  // new bitmaps are white
    EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphicOperation);
    EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphicOperation);

    bitmap.SetPixelFormat(TPixelFormat::pf32bit);
    EXPECT_EQ(bitmap.BytesPerRow(), 12);
    EXPECT_EQ(static_cast<std::uint32_t*>(bitmap.ScanLine(1))[0] & 0xFFFFFF, 0x102030u);
    bitmap.SetSize(5, 4);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 1), 0x302010);  // kept where it fits
    EXPECT_EQ(bitmap.Canvas()->Pixels(4, 3), 0xFFFFFF);
    bitmap.SetSize(0, 0);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, BmpRoundTripInEveryFormat) {
    for (TPixelFormat format : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit,
                                TPixelFormat::pf15bit, TPixelFormat::pf16bit, TPixelFormat::pf24bit,
                                TPixelFormat::pf32bit}) {
        TBitmap source(7, 5, format);
        source.Canvas()->Brush()->SetColor(clBlack);
        source.Canvas()->FillRect(Rect(1, 1, 4, 3));
        TMemoryStream stream;
        source.SaveToStream(stream);
        stream.SetPosition(0);
        TBitmap loaded;
        loaded.LoadFromStream(stream);
        EXPECT_EQ(loaded.PixelFormat(), format);
        EXPECT_EQ(loaded.Width(), 7);
        EXPECT_EQ(loaded.Height(), 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                EXPECT_EQ(loaded.Canvas()->Pixels(x, y), source.Canvas()->Pixels(x, y))
                    << static_cast<int>(format) << " at " << x << "," << y;
        EXPECT_EQ(loaded.Canvas()->Pixels(2, 2), 0);
        EXPECT_EQ(loaded.Canvas()->Pixels(0, 0), 0xFFFFFF);
    }
}

TEST(Bitmap, DamagedBmpDataIsRefused) {
    TBitmap source(4, 4, TPixelFormat::pf24bit);
    TMemoryStream stream;
    source.SaveToStream(stream);
    std::string bytes(stream.Bytes());
    auto damaged = [&](std::size_t at, std::string_view with) {
        std::string copy = bytes;
        copy.replace(at, with.size(), with);
        return copy;
    };
    for (const std::string& bad : {std::string("XX") + bytes.substr(2), bytes.substr(0, 20), bytes.substr(0, bytes.size() - 1),
                                   damaged(28, std::string("\x07\x00", 2)),             // 7 bits a pixel
                                   damaged(30, std::string("\x01\x00\x00\x00", 4)),     // run-length coded
                                   damaged(18, std::string("\xFF\xFF\xFF\x7F", 4))}) {  // absurd width
        TStringStream in(bad);
        TBitmap target;
        EXPECT_THROW(target.LoadFromStream(in), EInvalidGraphic);
        EXPECT_TRUE(target.Empty());
    }
}

TEST(Canvas, DrawsWithItsPenBrushAndFontAndMeasuresText) {
    TBitmap bitmap(60, 30, TPixelFormat::pf32bit);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(clYellow);
    canvas.Pen()->SetColor(clBlue);
    canvas.Rectangle(0, 0, 20, 10);  // right and bottom edges are outside
    EXPECT_EQ(canvas.Pixels(0, 0), clBlue);
    EXPECT_EQ(canvas.Pixels(19, 9), clBlue);
    EXPECT_EQ(canvas.Pixels(20, 10), clWhite);
    EXPECT_EQ(canvas.Pixels(5, 5), clYellow);
    canvas.Pen()->SetColor(clRed);  // a change after selection is selected again
    canvas.MoveTo(0, 20);
    canvas.LineTo(10, 20);
    EXPECT_EQ(canvas.Pixels(9, 20), clRed);
    EXPECT_EQ(canvas.Pixels(10, 20), clWhite);
    EXPECT_EQ(canvas.PenPos(), Point(10, 20));

    canvas.Font()->SetColor(clBlack);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    EXPECT_GT(canvas.TextWidth("Высота, м"), canvas.TextWidth("Высота"));
    EXPECT_GT(canvas.TextHeight("W"), 5);
    canvas.TextOut(25, 5, "Ж");
    int inked = 0;  // antialiased: any pixel the glyph touched
    for (int y = 0; y < 30; ++y)
        for (int x = 25; x < 60; ++x) inked += canvas.Pixels(x, y) != clWhite;
    EXPECT_GT(inked, 10);
}

TEST(Canvas, TransparentBitmapsLeaveTheirBackgroundOut) {
    TBitmap sprite(4, 4, TPixelFormat::pf24bit);
    sprite.Canvas()->Brush()->SetColor(clLime);
    sprite.Canvas()->FillRect(Rect(0, 0, 4, 4));
    sprite.Canvas()->Brush()->SetColor(clRed);
    sprite.Canvas()->FillRect(Rect(1, 1, 3, 3));
    sprite.SetTransparent(true);
    EXPECT_EQ(sprite.TransparentColor(), clLime);  // the bottom-left pixel
    TBitmap target(8, 8, TPixelFormat::pf32bit);
    target.Canvas()->Draw(2, 2, &sprite);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clWhite);
    EXPECT_EQ(target.Canvas()->Pixels(3, 3), clRed);
    sprite.SetTransparent(false);
    target.Canvas()->StretchDraw(Rect(0, 0, 8, 8), &sprite);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(target.Canvas()->Pixels(4, 4), clRed);
}

TEST(Canvas, LockKeepsOtherThreadsOut) {
    TBitmap bitmap(4, 4);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Lock();
    std::atomic<bool> got{true};
    std::thread other([&] { got = canvas.TryLock(); });
    other.join();
    EXPECT_FALSE(got);
    EXPECT_TRUE(canvas.TryLock());  // the owner may lock again
    EXPECT_EQ(canvas.LockCount(), 2);
    canvas.Unlock();
    canvas.Unlock();
    std::thread again([&] {
        got = canvas.TryLock();
        if (got) canvas.Unlock();
    });
    again.join();
    EXPECT_TRUE(got);
}

namespace {

class TStubGraphic : public TBitmap {
    DECLARE_CLASS_INFO
};

const TClassInfo& TStubGraphic::StaticClass() {
    static const TClassInfo info = TPublished<TStubGraphic>("TStubGraphic", TBitmap::StaticClass()).Build();
    return info;
}

}  // namespace

TEST(Picture, FormatsAreChosenByExtension) {
    TempFolder folder;
    TBitmap bitmap(3, 3, TPixelFormat::pf24bit);
    std::string name = (folder.Path() / "shot.BMP").string();
    bitmap.SaveToFile(name);
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.LoadFromFile(name);
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_GE(changes, 1);
    try {
        picture.LoadFromFile((folder.Path() / "x.xyz").string());
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Unknown picture file extension (.xyz)");
    }
    EXPECT_EQ(picture.Width(), 3);  // still the old picture

    TPicture::RegisterFileFormat("stub", "Stub pictures", TStubGraphic::StaticClass());
    EXPECT_EQ(TPicture::GraphicClassOf("STUB"), &TStubGraphic::StaticClass());
    EXPECT_EQ(TPicture::GraphicFilter(TGraphic::StaticClass()),
              "Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|JPEG Image File (*.jpg)|*.jpg|"
              "JPEG Image File (*.jpeg)|*.jpeg|Stub pictures (*.stub)|*.stub");
    TPicture::UnregisterGraphicClass(TStubGraphic::StaticClass());
    EXPECT_EQ(TPicture::GraphicClassOf("stub"), nullptr);

    TPicture copy;
    copy.Assign(&picture);
    EXPECT_NE(copy.Graphic(), picture.Graphic());
    EXPECT_EQ(copy.Height(), 3);
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Graphic(), nullptr);
}

namespace {

// A 2x2 icon of 24 bits: red, green / blue, and a see-through corner.
std::string TinyIcon() {
    std::string b("\0\0\1\0\1\0", 6);
    std::string image;
    auto put = [](std::string& s, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i));
    };
    put(image, 40, 4), put(image, 2, 4), put(image, 4, 4), put(image, 1, 2), put(image, 24, 2);
    for (int i = 0; i < 6; ++i) put(image, 0, 4);
    // Rows from the bottom, 8 bytes each (6 of pixels, padded).
    // Pixels as 0x00RRGGBB, stored blue first.
    put(image, 0x0000FF, 3), put(image, 0x000000, 3), put(image, 0, 2);  // bottom: blue, (masked)
    put(image, 0xFF0000, 3), put(image, 0x00FF00, 3), put(image, 0, 2);  // top: red, green
    put(image, 0x40, 4);  // AND mask, bottom row: the second pixel is see-through
    put(image, 0x00, 4);
    put(b, 2, 1), put(b, 2, 1), put(b, 0, 1), put(b, 0, 1), put(b, 1, 2), put(b, 24, 2);
    put(b, static_cast<std::uint32_t>(image.size()), 4), put(b, 22, 4);
    return b + image;
}

}  // namespace

TEST(Icon, LoadsDrawsBlendedAndRoundTrips) {
    TStringStream in(TinyIcon());
    TIcon icon;
    icon.LoadFromStream(in);
    ASSERT_EQ(icon.Width(), 2);
    TBitmap target(2, 2, TPixelFormat::pf32bit);
    target.Canvas()->Draw(0, 0, &icon);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(target.Canvas()->Pixels(1, 0), clLime);
    EXPECT_EQ(target.Canvas()->Pixels(0, 1), clBlue);
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), clWhite);  // see-through: the white below shows
    TMemoryStream saved;
    icon.SaveToStream(saved);
    saved.SetPosition(0);
    TIcon again;
    again.LoadFromStream(saved);
    TBitmap second(2, 2, TPixelFormat::pf32bit);
    second.Canvas()->Draw(0, 0, &again);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(second.Canvas()->Pixels(x, y), target.Canvas()->Pixels(x, y));
    EXPECT_THROW(icon.SetWidth(4), EInvalidGraphicOperation);
}

TEST(Icon, DamagedIconsAreRefused) {
    std::string good = TinyIcon();
    for (const std::string& bad : {good.substr(0, 5), good.substr(0, 30), good.substr(0, good.size() - 3),
                                   std::string("\0\0\1\0\0\0", 6), std::string("\0\0\1\0\1\0", 6) +
                                   good.substr(6, 16) + "\x89PNG\r\n\x1a\n" + std::string(40, '\0')}) {
        TStringStream in(bad);
        TIcon icon;
        EXPECT_THROW(icon.LoadFromStream(in), EInvalidGraphic);
        EXPECT_TRUE(icon.Empty());
    }
}
