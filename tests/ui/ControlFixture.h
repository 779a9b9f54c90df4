#pragma once
// A shown form on the headless display for driving controls by keyboard and mouse.

#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Colors.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/system/Clock.h"
#include "platform/window/Input.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ControlFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        // What escapes a handler would wait for a person: record it instead.
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string&, unsigned) {
            messages.push_back(text);
            return 1;
        });
    }
    void TearDown() override {
        form.reset();
        Pump();
        Application->SetMessageBoxFunction(nullptr);
        EXPECT_TRUE(messages.empty()) << messages.front();
    }
    template <class T>
    T* Add(int left, int top, int width = 0, int height = 0) {
        auto* c = new T(form.get());
        c->SetParent(form.get());
        c->SetBounds(left, top, width ? width : c->Width(), height ? height : c->Height());
        return c;
    }
    void ShowForm() {
        form->Show();
        Pump();
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        Pump();
    }
    static void Pump() { platform::testing::PumpMessages(); }
    static void Key(platform::UINT key) {
        platform::testing::PressKey(key);
        platform::testing::ReleaseKey(key);
        Pump();
    }
    // A key with Ctrl, Shift or Alt held.
    static void KeyWith(platform::UINT modifier, platform::UINT key) {
        platform::testing::PressKey(modifier);
        Key(key);
        platform::testing::ReleaseKey(modifier);
        Pump();
    }
    static void Type(const char* text) {
        platform::testing::TypeText(text);
        Pump();
    }
    static void ClickAt(TControl* c, int x, int y) {
        TPoint p = c->ClientToScreen({x, y});
        platform::testing::Click(p.X, p.Y);
        Pump();
    }
    // On the virtual clock: moves it `ms` on and runs what fell due.
    static void PassTime(platform::DWORD ms) {
        platform::testing::AdvanceClock(ms);
        Pump();
    }
    // On the virtual clock: past the double-click time, so the next click stands alone.
    static void PassDoubleClickTime() { PassTime(platform::GetDoubleClickTime() + 1); }
    // A colour as the pixels hold it, 0x00RRGGBB.
    static std::uint32_t PixelColor(TColor color) {
        std::uint32_t v = ColorToRGB(color);
        return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
    }
    // The painted pixel at a point of a control's client area, 0x00RRGGBB.
    static std::uint32_t ClientPixel(TWinControl* c, int x, int y) {
        platform::POINT p{x, y};
        platform::ClientToScreen(c->Handle(), &p);
        platform::RECT w;
        platform::GetWindowRect(c->Handle(), &w);
        return platform::testing::WindowPixel(c->Handle(), p.x - w.left, p.y - w.top) & 0xFFFFFF;
    }

    std::unique_ptr<TForm> form;
    std::vector<std::string> messages;
};
