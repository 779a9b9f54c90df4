#include "ui/core/Exceptions.h"
#include "ui/core/Thread.h"
#include "ui/forms/Application.h"
#include "ui/forms/CustomControl.h"
#include "ui/forms/Form.h"
#include "ui/forms/Screen.h"

#include "platform/display/Display.h"
#include "platform/display/DisplayTesting.h"
#include "platform/window/Focus.h"
#include "platform/window/Input.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowTree.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// A windowed control that writes down the library messages it gets.
class TProbe : public TCustomControl {
public:
    explicit TProbe(TComponent* owner) : TCustomControl(owner) {
        SetTabStop(true);
        SetBounds(0, 0, 40, 20);
        auto inner = WindowProc;
        WindowProc = [this, inner](TMessage& m) {
            if (m.Msg >= CM_BASE && m.Msg < CN_BASE) log.push_back(m.Msg);
            inner(m);
        };
    }
    std::vector<platform::UINT> log;
    int Count(platform::UINT msg) const { return static_cast<int>(std::count(log.begin(), log.end(), msg)); }
};

// A control painted in its parent's window.
class TSpot : public TGraphicControl {
public:
    explicit TSpot(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 20, 20); }
    std::vector<platform::UINT> log;

protected:
    void Dispatch(TMessage& m) override {
        if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) log.push_back(m.Msg);
        TGraphicControl::Dispatch(m);
    }
    void Paint() override {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(ClientRect());
    }
};

class Gui : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 300, 200);
        shown.clear();
        Application->SetMessageBoxFunction([this](const std::string& text, const std::string&, unsigned) {
            shown.push_back(text);
            return 1;
        });
    }
    void TearDown() override {
        form.reset();
        Application->SetMessageBoxFunction(nullptr);
        platform::testing::PumpMessages();
    }
    template <class T>
    T* Add(TWinControl* parent, const std::string& name) {
        auto* c = new T(form.get());
        c->SetName(name);
        c->SetParent(parent);
        return c;
    }
    void Pump() { platform::testing::PumpMessages(); }

    std::unique_ptr<TForm> form;
    std::vector<std::string> shown;
};

}  // namespace

TEST_F(Gui, PropertyChangesSendTheirNotificationMessages) {
    auto* probe = Add<TProbe>(form.get(), "Probe");
    const struct {
        const char* what;
        std::function<void()> change;
        platform::UINT message;
    } cases[] = {
        {"enabled", [&] { probe->SetEnabled(false); }, CM_ENABLEDCHANGED},
        {"visible", [&] { probe->SetVisible(false); }, CM_VISIBLECHANGED},
        {"text", [&] { probe->SetText("Записать"); }, CM_TEXTCHANGED},
        {"font", [&] { probe->Font()->SetSize(14); }, CM_FONTCHANGED},
        {"colour", [&] { probe->SetColor(clRed); }, CM_COLORCHANGED},
        {"hint", [&] { probe->SetShowHint(true); }, CM_SHOWHINTCHANGED},
    };
    for (const auto& c : cases) {
        probe->log.clear();
        c.change();
        EXPECT_EQ(probe->Count(c.message), 1) << c.what;
        probe->log.clear();
        c.change();  // the same value again: nothing
        EXPECT_EQ(probe->Count(c.message), 0) << c.what;
    }
    EXPECT_EQ(probe->Text(), "Записать");
}

TEST_F(Gui, ParentFontAndColourFlowToChildrenThatFollowThem) {
    auto* follows = Add<TProbe>(form.get(), "Follows");
    auto* own = Add<TProbe>(form.get(), "Own");
    follows->SetParentColor(true);
    own->Font()->SetName("Courier New");  // a font of its own ends ParentFont
    EXPECT_FALSE(own->ParentFont());
    follows->log.clear();
    form->Font()->SetStyle({TFontStyle::fsBold});
    form->SetColor(clNavy);
    EXPECT_TRUE(follows->Font()->Style().Contains(TFontStyle::fsBold));
    EXPECT_TRUE(follows->ParentFont());
    EXPECT_EQ(follows->Color(), clNavy);
    EXPECT_EQ(follows->Count(CM_PARENTFONTCHANGED), 1);
    EXPECT_EQ(follows->Count(CM_FONTCHANGED), 1);
    EXPECT_FALSE(own->Font()->Style().Contains(TFontStyle::fsBold));
    EXPECT_NE(own->Color(), clNavy);
}

TEST_F(Gui, NamingAControlGivesItItsNameAsCaptionOnlyWhileTheyMatch) {
    auto* probe = Add<TProbe>(form.get(), "Button1");
    EXPECT_EQ(probe->Caption(), "Button1");
    probe->SetName("Button2");
    EXPECT_EQ(probe->Caption(), "Button2");
    probe->SetCaption("OK");
    probe->SetName("Button3");
    EXPECT_EQ(probe->Caption(), "OK");
}

TEST_F(Gui, TabOrderMovesTheFocusOverFocusableControls) {
    auto* a = Add<TProbe>(form.get(), "A");
    auto* panel = Add<TProbe>(form.get(), "Panel");
    panel->ControlStyle.Include(TControlStyleItem::csAcceptsControls);
    panel->SetTabStop(false);
    auto* b = Add<TProbe>(panel, "B");
    auto* disabled = Add<TProbe>(form.get(), "Disabled");
    auto* hidden = Add<TProbe>(form.get(), "Hidden");
    auto* c = Add<TProbe>(form.get(), "C");
    disabled->SetEnabled(false);
    hidden->SetVisible(false);
    c->SetTabOrder(0);  // c first, then a, the panel (with b), ...
    EXPECT_EQ(c->TabOrder(), 0);
    EXPECT_EQ(a->TabOrder(), 1);
    std::vector<std::string> events;
    for (TProbe* p : {a, b, c, panel}) {
        p->OnEnter = [&events, p](TObject*) { events.push_back("enter " + p->Name()); };
        p->OnExit = [&events, p](TObject*) { events.push_back("exit " + p->Name()); };
    }
    form->Show();
    Pump();
    c->SetFocus();
    Pump();
    EXPECT_TRUE(c->Focused());
    EXPECT_EQ(form->ActiveControl(), c);
    std::vector<std::string> order;
    for (int i = 0; i < 4; ++i) {
        platform::testing::PressKey(platform::VK_TAB);
        platform::testing::ReleaseKey(platform::VK_TAB);
        Pump();
        order.push_back(form->ActiveControl()->Name());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"A", "B", "C", "A"}));
    EXPECT_TRUE(a->Focused());
    // Entering B entered its panel first; leaving it left both.
    std::vector<std::string> expected{"enter C", "exit C", "enter A", "exit A", "enter Panel", "enter B",
                                      "exit B",  "exit Panel", "enter C", "exit C", "enter A"};
    EXPECT_EQ(events, expected);
    EXPECT_GT(b->Count(CM_FOCUSCHANGED), 0);  // every control hears of focus changes

    platform::testing::PressKey(platform::VK_SHIFT);
    platform::testing::PressKey(platform::VK_TAB);
    Pump();  // the shift state is read as the key is handled
    platform::testing::ReleaseKey(platform::VK_TAB);
    platform::testing::ReleaseKey(platform::VK_SHIFT);
    Pump();
    EXPECT_EQ(form->ActiveControl(), c);  // backwards

    EXPECT_THROW(disabled->SetFocus(), EInvalidOperation);
    EXPECT_THROW(hidden->SetFocus(), EInvalidOperation);
    EXPECT_EQ(form->FindNextControl(c, true, true, false), a);
}

TEST_F(Gui, DialogKeysReachTheFormAndKeyPreviewSeesKeysFirst) {
    auto* probe = Add<TProbe>(form.get(), "Probe");
    std::vector<std::string> keys;
    form->KeyPreview = true;
    form->OnKeyDown = [&](TObject*, platform::WORD& key, TShiftState) {
        keys.push_back("form " + std::to_string(key));
        if (key == 'X') key = 0;  // eaten by the form
    };
    probe->OnKeyDown = [&](TObject*, platform::WORD& key, TShiftState) { keys.push_back("probe " + std::to_string(key)); };
    probe->OnKeyPress = [&](TObject*, char32_t& key) {
        if (key == U'ж') key = U'Ж';
    };
    form->Show();
    Pump();
    probe->SetFocus();
    Pump();
    for (platform::UINT key : {platform::UINT('A'), platform::UINT('X')}) {
        platform::testing::PressKey(key);
        platform::testing::ReleaseKey(key);
    }
    Pump();
    EXPECT_EQ(keys, (std::vector<std::string>{"form 65", "probe 65", "form 88"}));
    std::u32string typed;
    probe->OnKeyPress = [&](TObject*, char32_t& key) { typed += key; };
    platform::testing::TypeText("жb");
    Pump();
    EXPECT_EQ(typed, U"жb");

    // Enter goes to the form as a dialog key and on to every control.
    probe->log.clear();
    platform::testing::PressKey(platform::VK_RETURN);
    platform::testing::ReleaseKey(platform::VK_RETURN);
    Pump();
    EXPECT_EQ(probe->Count(CM_DIALOGKEY), 1);
}

TEST_F(Gui, AlignedAndAnchoredChildrenFollowTheirParent) {
    auto* top = Add<TProbe>(form.get(), "Top");
    auto* client = Add<TProbe>(form.get(), "Client");
    auto* corner = Add<TProbe>(form.get(), "Corner");
    top->SetHeight(30);
    top->SetAlign(TAlign::alTop);
    client->SetAlign(TAlign::alClient);
    form->Show();
    Pump();
    int w = form->ClientWidth(), h = form->ClientHeight();
    corner->SetBounds(w - 50, h - 30, 40, 20);
    corner->SetAnchors({TAnchorKind::akRight, TAnchorKind::akBottom});
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, w, 30));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 30, w, h));
    form->SetBounds(form->Left(), form->Top(), form->Width() + 40, form->Height() + 10);
    Pump();
    EXPECT_EQ(top->Width(), w + 40);
    EXPECT_EQ(client->Height(), h + 10 - 30);
    EXPECT_EQ(corner->BoundsRect(), Rect(w + 40 - 50, h + 10 - 30, w + 40 - 10, h + 10 - 10));
    top->SetVisible(false);  // the client takes the room
    EXPECT_EQ(client->Top(), 0);
}

TEST_F(Gui, GraphicChildrenGetClicksAndMouseEnterLeave) {
    auto* spot = Add<TSpot>(form.get(), "Spot");
    spot->SetBounds(50, 40, 30, 30);
    int clicks = 0;
    TPoint down;
    spot->OnClick = [&](TObject*) { ++clicks; };
    spot->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { down = {x, y}; };
    std::vector<std::string> formEvents;
    form->Show();
    Pump();
    TPoint inside = form->ClientToScreen({60, 55});
    TPoint outside = form->ClientToScreen({10, 10});
    platform::testing::MoveMouse(outside.X, outside.Y);
    Pump();
    spot->log.clear();
    platform::testing::MoveMouse(inside.X, inside.Y);
    Pump();
    platform::testing::Click(inside.X, inside.Y);
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(down, Point(10, 15));  // in the spot's own coordinates
    platform::testing::MoveMouse(outside.X, outside.Y);
    Pump();
    EXPECT_EQ(spot->log, (std::vector<platform::UINT>{CM_MOUSEENTER, CM_MOUSELEAVE}));
    // A press inside that is let go outside is no click.
    platform::testing::MoveMouse(inside.X, inside.Y);
    platform::testing::PressMouse(0);
    platform::testing::MoveMouse(outside.X, outside.Y);
    platform::testing::ReleaseMouse(0);
    Pump();
    EXPECT_EQ(clicks, 1);
}

TEST_F(Gui, AnExceptionInAHandlerIsShownAndTheLoopGoesOn) {
    auto* spot = Add<TSpot>(form.get(), "Spot");
    spot->OnClick = [](TObject*) { throw EConvertError("'abc' is not a valid integer value"); };
    form->Show();
    Pump();
    TPoint p = spot->ClientToScreen({5, 5});
    platform::testing::Click(p.X, p.Y);
    Pump();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "'abc' is not a valid integer value.");
    spot->OnClick = [](TObject*) { Abort(); };
    platform::testing::Click(p.X, p.Y);
    Pump();
    EXPECT_EQ(shown.size(), 1u);  // the silent exception shows nothing
}

TEST_F(Gui, CloseAsksCloseQueryAndOnClose) {
    bool allow = false;
    std::vector<std::string> events;
    form->OnCloseQuery = [&](TObject*, bool& canClose) {
        events.push_back("query");
        canClose = allow;
    };
    form->OnClose = [&](TObject*, TCloseAction& action) {
        events.push_back("close");
        action = TCloseAction::caHide;
    };
    form->OnShow = [&](TObject*) { events.push_back("show"); };
    form->OnHide = [&](TObject*) { events.push_back("hide"); };
    form->Show();
    Pump();
    EXPECT_TRUE(platform::IsWindowVisible(form->Handle()));
    platform::PostMessage(form->Handle(), platform::WM_CLOSE, 0, 0);
    Pump();
    EXPECT_TRUE(form->Visible());
    allow = true;
    form->Close();
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(platform::IsWindowVisible(form->Handle()));
    EXPECT_EQ(events, (std::vector<std::string>{"show", "query", "query", "close", "hide"}));
}

TEST_F(Gui, ShowModalRunsUntilAModalResultIsSet) {
    TForm other(nullptr);
    other.Show();
    Pump();
    platform::PostMessage(form->Handle(), CM_BASE + 0x300, 0, 0);  // wakes the loop; the handler below answers
    form->OnShow = [&](TObject*) {
        EXPECT_FALSE(other.Enabled());  // the other forms wait
        TThread::Queue(nullptr, [] {});
    };
    form->OnPaint = [&](TObject*) { form->ModalResult = mrOk; };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(other.Enabled());
    form->OnShow = nullptr;
    form->Show();
    EXPECT_THROW(form->ShowModal(), EInvalidOperation);  // already visible
}

TEST_F(Gui, WaitForServesMessagesAWorkerSendsToAWindow) {
    auto* probe = Add<TProbe>(form.get(), "Probe");
    probe->HandleNeeded();
    platform::HWND window = probe->Handle();
    struct TSender : TThread {
        platform::HWND window;
        platform::LRESULT answer = 0;
        void Execute() override {
            answer = platform::SendMessage(window, platform::WM_SETTEXT, 0,
                                           reinterpret_cast<platform::LPARAM>("from the worker"));
            Synchronize([] { EXPECT_TRUE(IsMainThread()); });
        }
    } sender;
    sender.window = window;
    sender.Start();
    sender.WaitFor();  // the GUI thread serves the sent message while it waits
    EXPECT_EQ(sender.answer, 1);
}

TEST(Accelerators, TheMarkedLetterInAnyCase) {
    const struct {
        char32_t key;
        const char* caption;
        bool accel;
    } cases[] = {{U'ф', "&Файл", true}, {U'Ф', "&файл", true}, {U'a', "&Файл", false}, {U'x', "E&xit", true},
                 {U'b', "A&&B", false}, {U'b', "A&&&B", true}, {U'e', "Exit", false}, {U'e', "Trailing&", false},
                 {U'Ё', "&ёлка", true}, {U'ё', "&Ёлка", true}, {U'е', "&Ёлка", false}};
    for (const auto& c : cases) EXPECT_EQ(IsAccel(c.key, c.caption), c.accel) << c.caption;
}

TEST(ScreenFonts, MenuAndHintFontsComeFromTheSystemMetrics) {
    platform::NONCLIENTMETRICSA metrics = platform::NonClientMetrics();
    EXPECT_EQ(Screen->MenuFont()->Name(), metrics.lfMenuFont.lfFaceName);
    EXPECT_EQ(Screen->MenuFont()->Height(), metrics.lfMenuFont.lfHeight);
    EXPECT_EQ(Screen->HintFont()->Name(), metrics.lfStatusFont.lfFaceName);
    EXPECT_EQ(Screen->HintFont()->Color(), clInfoText);
}

TEST_F(Gui, WindowsAreMadeWhenShownAndMadeAgainWhenTheStyleChanges) {
    auto* probe = Add<TProbe>(form.get(), "Probe");
    probe->SetText("текст");
    EXPECT_GT(form->ClientWidth(), 0);
    EXPECT_EQ(probe->ClientWidth(), 40);
    EXPECT_FALSE(form->HandleAllocated());  // asking sizes makes no windows
    EXPECT_FALSE(probe->HandleAllocated());
    form->Show();
    Pump();
    ASSERT_TRUE(probe->HandleAllocated());
    platform::HWND before = form->Handle();
    form->SetBorderStyle(TFormBorderStyle::bsDialog);
    Pump();
    EXPECT_NE(form->Handle(), before);
    EXPECT_TRUE(platform::IsWindowVisible(form->Handle()));
    EXPECT_TRUE(platform::IsWindowVisible(probe->Handle()));
    char text[32] = {};
    platform::GetWindowText(probe->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "текст");
    EXPECT_EQ(TWinControl::FindControl(probe->Handle()), probe);
}
