#include "tests/support/PngDump.h"
#include "ui/core/Exceptions.h"
#include "ui/forms/Application.h"
#include "ui/forms/CustomControl.h"
#include "ui/forms/Form.h"
#include "ui/forms/HintWindow.h"
#include "ui/forms/Timer.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/system/Clock.h"
#include "platform/window/Placement.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// A windowed panel that paints its colour, a frame and its caption.
class TCaptionPanel : public TCustomControl {
public:
    explicit TCaptionPanel(TComponent* owner) : TCustomControl(owner) {
        ControlStyle.Include(TControlStyleItem::csAcceptsControls);
    }

protected:
    void Paint() override {
        TCanvas& c = *Canvas();
        c.Brush()->SetColor(Color());
        c.Pen()->SetColor(clBtnShadow);
        c.Rectangle(ClientRect());
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.TextOut(8, 6, Caption());
    }
};

// A graphic control: a filled circle with a label under it.
class TLamp : public TGraphicControl {
public:
    explicit TLamp(TComponent* owner) : TGraphicControl(owner) {}

protected:
    void Paint() override {
        TCanvas& c = *Canvas();
        c.Brush()->SetColor(Color());
        c.Pen()->SetColor(clBlack);
        c.Ellipse(0, 0, Width(), Height() - 16);
        c.Brush()->SetStyle(TBrushStyle::bsClear);
        c.Font()->SetColor(clWindowText);
        c.TextOut(2, Height() - 15, Caption());
    }
};

class Rendering : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
};

}  // namespace

TEST_F(Rendering, AFormWithPaintedGraphicAndWindowedControls) {
    TForm form(nullptr);
    form.SetCaption("Настройки контроллера");
    form.SetBounds(50, 50, 360, 220);
    auto* status = new TCaptionPanel(&form);
    status->SetParent(&form);
    status->SetAlign(TAlign::alTop);
    status->SetHeight(30);
    status->SetColor(0x00A000);  // green: the device is there
    status->SetCaption("Устройство подключено");
    auto* group = new TCaptionPanel(&form);
    group->SetParent(&form);
    group->SetBounds(10, 40, 200, 130);
    group->SetColor(clWindow);
    group->SetCaption("Маркеры");
    auto* lamp = new TLamp(&form);
    lamp->SetParent(group);
    lamp->SetBounds(20, 30, 60, 76);
    lamp->SetColor(0xB3B3FF);
    lamp->SetCaption("Старт");
    auto* lamp2 = new TLamp(&form);
    lamp2->SetParent(&form);
    lamp2->SetBounds(240, 60, 80, 96);
    lamp2->SetColor(clBlue);
    lamp2->SetCaption("Апогей");
    form.Show();
    platform::testing::PumpMessages();

    auto pixel = [&](TControl* c, int x, int y) {
        TPoint screen = c->ClientToScreen({x, y});
        TPoint inForm = form.ScreenToClient(screen);
        TPoint origin = form.ClientOrigin();
        platform::RECT window;
        platform::GetWindowRect(form.Handle(), &window);
        return platform::testing::WindowPixel(form.Handle(), inForm.X + origin.X - window.left,
                                              inForm.Y + origin.Y - window.top);
    };
    EXPECT_EQ(pixel(status, 200, 25), 0x00A000u);  // 0x00RRGGBB: the panel's green
    EXPECT_EQ(pixel(group, 150, 120), 0xFFFFFFu);  // clWindow
    EXPECT_EQ(pixel(lamp, 30, 30), 0xFFB3B3u);     // the light red lamp, painted inside its parent's window
    EXPECT_EQ(pixel(lamp2, 40, 40), 0x0000FFu);
    EXPECT_EQ(pixel(&form, 350 - 20, 200 - 40), 0xD4D0C8u);  // the form's button face

    // For a person to look at: VELZAR_DUMP_DIR=/some/folder.
    if (const char* dir = std::getenv("VELZAR_DUMP_DIR")) {
        auto surface = platform::testing::WindowPixels(form.Handle());
        ASSERT_TRUE(surface);
        std::vector<std::uint32_t> rows;
        for (int y = 0; y < surface->Height(); ++y)
            for (int x = 0; x < surface->Width(); ++x) rows.push_back(surface->Get(x, y));
        png_dump::WritePng(std::string(dir) + "/ui-form.png", rows.data(), surface->Width(), surface->Height(),
                           surface->Width());
    }
}

TEST_F(Rendering, TimersTickOnTheClockAndSurviveTheirExceptions) {
    platform::testing::VirtualClockScope clock;
    std::vector<std::string> shown;
    Application->SetMessageBoxFunction([&](const std::string& text, const std::string&, unsigned) {
        shown.push_back(text);
        return 1;
    });
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(200);
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        if (ticks == 2) throw EConvertError("tick failed");
    };
    auto run = [](int ms) {
        platform::testing::AdvanceClock(ms);
        platform::testing::PumpMessages();
    };
    run(150);
    EXPECT_EQ(ticks, 0);
    run(60);
    EXPECT_EQ(ticks, 1);
    run(200);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(shown, (std::vector<std::string>{"tick failed."}));
    timer.SetEnabled(true);  // already running: keeps its phase
    run(200);
    EXPECT_EQ(ticks, 3);
    timer.SetEnabled(false);
    run(400);
    EXPECT_EQ(ticks, 3);
    Application->SetMessageBoxFunction(nullptr);
}

TEST_F(Rendering, HintsShowAfterThePauseAndHideAfterTheirTime) {
    platform::testing::VirtualClockScope clock;
    TForm form(nullptr);
    form.SetBounds(40, 40, 300, 200);
    auto* lamp = new TLamp(&form);
    lamp->SetParent(&form);
    lamp->SetBounds(20, 20, 60, 60);
    lamp->SetHint("Уровень|Длинная подсказка");
    lamp->SetShowHint(true);
    auto* quiet = new TLamp(&form);
    quiet->SetParent(&form);
    quiet->SetBounds(120, 20, 60, 60);
    std::vector<std::string> asked;
    Application->OnShowHint = [&](std::string& text, bool& canShow, THintInfo& info) {
        asked.push_back(text);
        EXPECT_EQ(info.HintControl, lamp);
        info.HintColor = 0xB3B3FF;
        canShow = true;
    };
    form.Show();
    auto run = [](int ms) {
        platform::testing::AdvanceClock(ms);
        platform::testing::PumpMessages();
    };
    run(0);
    TPoint over = lamp->ClientToScreen({10, 10});
    platform::testing::MoveMouse(over.X, over.Y);
    run(0);  // the move is handled now, and the pause starts
    run(400);
    EXPECT_TRUE(asked.empty());
    run(150);  // past HintPause (500 ms)
    ASSERT_EQ(asked, (std::vector<std::string>{"Уровень"}));
    THintWindow* hint = Application->HintWindow();
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->HintShowing());
    EXPECT_EQ(hint->Text(), "Уровень");
    EXPECT_EQ(hint->Color(), 0xB3B3FF);
    EXPECT_EQ(hint->Top(), over.Y + 16);  // under the mouse
    run(Application->HintHidePause + 10);
    EXPECT_FALSE(hint->HintShowing());

    // A control without a hint shows none; leaving cancels a pending one.
    TPoint elsewhere = quiet->ClientToScreen({10, 10});
    platform::testing::MoveMouse(elsewhere.X, elsewhere.Y);
    run(0);
    run(1000);
    platform::testing::MoveMouse(over.X, over.Y);
    run(0);
    run(100);
    platform::testing::MoveMouse(elsewhere.X, elsewhere.Y);
    run(0);
    run(1000);
    EXPECT_EQ(asked.size(), 1u);
    Application->OnShowHint = nullptr;
}
