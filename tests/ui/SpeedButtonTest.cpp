#include "ControlFixture.h"

#include "ui/controls/BitBtn.h"
#include "ui/controls/SpeedButton.h"

namespace {

std::uint32_t Rgb(TColor color) {
    std::uint32_t v = ColorToRGB(color);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

struct SpeedButtons : ControlFixture {
    // Three buttons side by side in group 1, each counting its clicks.
    void MakeGroup() {
        for (int i = 0; i < 3; ++i) {
            b[i] = Add<TSpeedButton>(10 + 30 * i, 10);
            b[i]->SetGroupIndex(1);
            b[i]->OnClick = [this, i](TObject*) { ++clicks[i]; };
        }
        ShowForm();
    }
    std::string Downs() const {
        std::string s;
        for (auto* button : b) s += button->Down() ? 'D' : '-';
        return s;
    }
    // A pixel of a graphic control as its parent form shows it.
    std::uint32_t Pixel(TControl* c, int x, int y) {
        TPoint p = c->ClientToScreen({x, y});
        return platform::testing::WindowPixel(form->Handle(), p.X - form->Left(), p.Y - form->Top()) & 0xFFFFFF;
    }
    TSpeedButton* b[3] = {};
    int clicks[3] = {};
};

TEST_F(SpeedButtons, AGroupKeepsOneButtonDown) {
    const struct {
        bool allowAllUp;
        int clickOn;
        const char* downs;
    } steps[] = {
        {false, 0, "D--"},
        {false, 2, "--D"},
        {false, 2, "--D"},  // the down button stays down
        {true, 2, "---"},   // unless all may be up
        {true, 1, "-D-"},
    };
    MakeGroup();
    for (const auto& s : steps) {
        b[0]->SetAllowAllUp(s.allowAllUp);
        ClickAt(b[s.clickOn], 5, 5);
        EXPECT_EQ(Downs(), s.downs) << "click on " << s.clickOn;
    }
    // Every click counted, the ones that changed nothing too.
    EXPECT_EQ(clicks[0] + clicks[1] + clicks[2], 5);
    EXPECT_TRUE(b[2]->AllowAllUp());  // shared by the group
}

TEST_F(SpeedButtons, DownFromCodeRaisesTheOthersAndNeedsAGroup) {
    MakeGroup();
    b[0]->SetDown(true);
    b[1]->SetDown(true);
    EXPECT_EQ(Downs(), "-D-");
    EXPECT_EQ(b[1]->State(), TButtonState::bsExclusive);
    EXPECT_EQ(b[0]->State(), TButtonState::bsUp);
    // Without a group nothing stays down.
    auto* plain = Add<TSpeedButton>(200, 10);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());
    // Leaving the group lets the button come up.
    b[1]->SetGroupIndex(0);
    EXPECT_FALSE(b[1]->Down());
}

TEST_F(SpeedButtons, APressDraggedOffTheButtonIsNoClick) {
    MakeGroup();
    TPoint inside = b[0]->ClientToScreen({5, 5});
    TPoint outside = b[0]->ClientToScreen({5, 100});
    platform::testing::MoveMouse(inside.X, inside.Y);
    platform::testing::PressMouse(0);
    Pump();
    EXPECT_EQ(b[0]->State(), TButtonState::bsDown);
    platform::testing::MoveMouse(outside.X, outside.Y);
    Pump();
    EXPECT_EQ(b[0]->State(), TButtonState::bsUp);
    platform::testing::ReleaseMouse(0);
    Pump();
    EXPECT_EQ(clicks[0], 0);
    EXPECT_EQ(Downs(), "---");
}

TEST_F(SpeedButtons, AFlatButtonShowsItsEdgeWhileTheMouseIsOver) {
    auto* flat = Add<TSpeedButton>(10, 10);
    flat->SetFlat(true);
    ShowForm();
    EXPECT_EQ(Pixel(flat, 0, 0), Rgb(clBtnFace));
    TPoint over = flat->ClientToScreen({5, 5});
    platform::testing::MoveMouse(over.X, over.Y);
    Pump();
    EXPECT_TRUE(flat->MouseInControl());
    EXPECT_EQ(Pixel(flat, 0, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(Pixel(flat, flat->Width() - 1, flat->Height() - 1), Rgb(clBtnShadow));
    platform::testing::MoveMouse(over.X + 100, over.Y + 100);
    Pump();
    EXPECT_FALSE(flat->MouseInControl());
    EXPECT_EQ(Pixel(flat, 0, 0), Rgb(clBtnFace));
}

// A glyph of `frames` 8x8 frames: frame i filled with colours[i], bottom-left pixel magenta.
void Glyph(TBitmap& g, std::initializer_list<TColor> colours) {
    g.SetPixelFormat(TPixelFormat::pf24bit);
    g.SetSize(8 * static_cast<int>(colours.size()), 8);
    int x = 0;
    for (TColor c : colours) {
        g.Canvas()->Brush()->SetColor(c);
        g.Canvas()->FillRect({x, 0, x + 8, 8});
        x += 8;
    }
    g.Canvas()->SetPixel(0, 7, clFuchsia);
}

TEST_F(SpeedButtons, TheGlyphFrameFollowsTheState) {
    const struct {
        std::initializer_list<TColor> frames;
        bool enabled;
        bool down;
        TColor expected;
    } cases[] = {
        {{clRed, clBlue}, true, false, clRed},
        {{clRed, clBlue}, false, false, clBlue},
        {{clRed}, false, false, clBtnShadow},  // no disabled frame: made from the first
        {{clRed, clBlue, clGreen}, true, true, clGreen},
        {{clRed, clBlue, clGreen, clYellow}, true, true, clYellow},  // held down in a group
    };
    ShowForm();
    for (const auto& c : cases) {
        auto* button = Add<TSpeedButton>(10, 10, 30, 30);
        TBitmap glyph;
        Glyph(glyph, c.frames);
        glyph.SetTransparentColor(clFuchsia);
        glyph.SetTransparentMode(TTransparentMode::tmFixed);
        button->SetGlyph(&glyph);
        button->SetGroupIndex(c.down ? 1 : 0);
        button->SetDown(c.down);
        button->SetEnabled(c.enabled);
        EXPECT_EQ(button->NumGlyphs(), static_cast<int>(c.frames.size()));
        Pump();
        // An 8x8 glyph alone is centred in the 26x26 face; pressed looks move it by one.
        int x0 = 2 + 9 + (c.down ? 1 : 0), y0 = 2 + 9 + (c.down ? 1 : 0);
        EXPECT_EQ(Pixel(button, x0 + 4, y0 + 3), Rgb(c.expected));
        // The bottom-left colour is left out.
        if (c.enabled) {
            EXPECT_NE(Pixel(button, x0, y0 + 7), Rgb(clFuchsia));
        }
        delete button;
    }
}

TEST(ButtonFaceLayout, GlyphAndCaptionPlaces) {
    const TRect face{0, 0, 100, 30};
    const TPoint glyph{16, 16}, text{40, 14};
    const struct {
        TButtonLayout layout;
        int margin, spacing;
        TPoint glyphPos;
        int textLeft, textTop;
    } cases[] = {
        // Centred together: (100 - (16 + 4 + 40)) / 2 = 20.
        {TButtonLayout::blGlyphLeft, -1, 4, {20, 7}, 40, 8},
        {TButtonLayout::blGlyphLeft, 2, 4, {2, 7}, 22, 8},
        // Spread evenly: (100 - 56) / 3 = 14 before, between and after.
        {TButtonLayout::blGlyphLeft, -1, -1, {14, 7}, 44, 8},
        // Margin given, spacing spread: (100 - 18 - 40) / 2 = 21.
        {TButtonLayout::blGlyphLeft, 2, -1, {2, 7}, 39, 8},
        {TButtonLayout::blGlyphRight, 2, 4, {82, 7}, 38, 8},
        {TButtonLayout::blGlyphTop, 0, 0, {42, 0}, 30, 16},
        {TButtonLayout::blGlyphBottom, 0, 0, {42, 14}, 30, 0},
    };
    for (const auto& c : cases) {
        TButtonFaceLayout l = LayoutButtonFace(face, glyph, text, c.layout, c.margin, c.spacing);
        EXPECT_EQ(l.GlyphPos.X, c.glyphPos.X) << static_cast<int>(c.layout) << " " << c.margin << " " << c.spacing;
        EXPECT_EQ(l.GlyphPos.Y, c.glyphPos.Y) << static_cast<int>(c.layout);
        EXPECT_EQ(l.TextBounds.Left, c.textLeft) << static_cast<int>(c.layout) << " " << c.margin;
        EXPECT_EQ(l.TextBounds.Top, c.textTop) << static_cast<int>(c.layout);
        EXPECT_EQ(l.TextBounds.Width(), text.X);
    }
    // Without a caption the glyph alone is centred: no spacing counts.
    TButtonFaceLayout alone = LayoutButtonFace(face, glyph, {0, 0}, TButtonLayout::blGlyphLeft, -1, 4);
    EXPECT_EQ(alone.GlyphPos.X, 42);
}

using BitButtons = ControlFixture;

TEST_F(BitButtons, KindsAnswerEnterEscapeAndClose) {
    const struct {
        TBitBtnKind kind;
        const char* caption;
        TModalResult result;
        bool isDefault, isCancel;
    } kinds[] = {
        {TBitBtnKind::bkOK, "OK", mrOk, true, false},
        {TBitBtnKind::bkCancel, "Cancel", mrCancel, false, true},
        {TBitBtnKind::bkYes, "&Yes", mrYes, true, false},
        {TBitBtnKind::bkNo, "&No", mrNo, false, true},
        {TBitBtnKind::bkRetry, "&Retry", mrRetry, false, false},
        {TBitBtnKind::bkClose, "&Close", mrNone, false, false},
    };
    for (const auto& k : kinds) {
        auto* b = Add<TBitBtn>(10, 10);
        b->SetKind(k.kind);
        EXPECT_EQ(b->Caption(), k.caption);
        EXPECT_EQ(b->ModalResult, k.result);
        EXPECT_EQ(b->Default(), k.isDefault);
        EXPECT_EQ(b->Cancel, k.isCancel);
        EXPECT_FALSE(b->Glyph()->Empty());
        delete b;
    }
    // A glyph of one's own makes the button a custom one.
    auto* custom = Add<TBitBtn>(10, 10);
    custom->SetKind(TBitBtnKind::bkOK);
    TBitmap own;
    Glyph(own, {clRed});
    custom->SetGlyph(&own);
    EXPECT_EQ(custom->Kind(), TBitBtnKind::bkCustom);
    EXPECT_EQ(custom->Glyph()->Width(), 8);

    // Close closes the form after the click handler ran.
    auto* close = Add<TBitBtn>(100, 10);
    close->SetKind(TBitBtnKind::bkClose);
    bool handled = false;
    close->OnClick = [&](TObject*) { handled = form->Visible(); };
    ShowForm();
    ClickAt(close, 5, 5);
    EXPECT_TRUE(handled);
    EXPECT_FALSE(form->Visible());
}

TEST_F(BitButtons, EnterInAModalFormAnswersWithTheOkKind) {
    auto* ok = Add<TBitBtn>(10, 10);
    ok->SetKind(TBitBtnKind::bkOK);
    auto* cancel = Add<TBitBtn>(100, 10);
    cancel->SetKind(TBitBtnKind::bkCancel);
    for (auto [key, result] : {std::pair{platform::VK_RETURN, mrOk}, std::pair{platform::VK_ESCAPE, mrCancel}}) {
        platform::UINT k = key;
        form->OnShow = [k](TObject*) {
            platform::testing::PressKey(k);
            platform::testing::ReleaseKey(k);
        };
        EXPECT_EQ(form->ShowModal(), result);
    }
}

}  // namespace
