#include "ControlFixture.h"
#include "tests/support/PngDump.h"

#include <cstdlib>
#include <deque>

#include "ui/controls/CheckBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/graphics/ImageList.h"
#include "ui/menus/Menus.h"
#include "ui/menus/PopupMenu.h"

#include "platform/menus/MenuTracking.h"
#include "platform/window/OwnerDraw.h"
#include "platform/window/Placement.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowProcedures.h"
#include "platform/window/WindowTree.h"

namespace {

struct MenuFixture : ControlFixture {
    TMenuItem* Item(TMenuItem* parent, const std::string& caption, TShortCut shortCut = scNone) {
        auto* item = new TMenuItem(form.get());
        item->SetCaption(caption);
        item->SetShortCut(shortCut);
        item->OnClick = [this, caption](TObject*) { clicks.push_back(caption); };
        parent->Add(item);
        return item;
    }
    // "&Файл" with "&Открыть" (Ctrl+O), a line, "&Экспорт" with "&PNG" and "&KML", and "Вы&ход".
    void FileMenu(TMenu& menu) {
        TMenuItem* file = menu.Items();
        if (dynamic_cast<TMainMenu*>(&menu)) file = Item(menu.Items(), "&Файл");
        Item(file, "&Открыть", static_cast<TShortCut>(scCtrl | 'O'));
        Item(file, "-");
        TMenuItem* export_ = Item(file, "&Экспорт");
        Item(export_, "&PNG");
        Item(export_, "&KML");
        Item(file, "Вы&ход");
    }
    static void Queue(platform::UINT key) {
        platform::testing::PressKey(key);
        platform::testing::ReleaseKey(key);
    }
    std::vector<std::string> clicks;
};

// A colour as the pixels hold it, 0x00RRGGBB.
std::uint32_t Rgb(TColor color) {
    std::uint32_t v = ColorToRGB(color);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

std::uint32_t ScreenPixel(platform::HWND window, int x, int y) {
    platform::RECT r{};
    platform::GetWindowRect(window, &r);
    return platform::testing::WindowPixel(window, x - r.left, y - r.top) & 0xFFFFFF;
}

// For a person to look at: VELZAR_DUMP_DIR=/some/folder.
void Dump(platform::HWND window, const std::string& name) {
    const char* dir = std::getenv("VELZAR_DUMP_DIR");
    auto surface = dir ? platform::testing::WindowPixels(window) : nullptr;
    if (!surface) return;
    std::vector<std::uint32_t> rows;
    for (int y = 0; y < surface->Height(); ++y)
        for (int x = 0; x < surface->Width(); ++x) rows.push_back(surface->Get(x, y));
    png_dump::WritePng(std::string(dir) + "/" + name, rows.data(), surface->Width(), surface->Height(), surface->Width());
}

// Records what the menu loop tells the popup list window, as a skin that
// subclasses it would see; on its first idle turn it runs `idle`.
struct PopupListSpy {
    PopupListSpy() {
        window = PopupListWindow();
        Self() = this;
        previous = reinterpret_cast<platform::WNDPROC>(platform::SetWindowLongPtr(
            window, platform::GWLP_WNDPROC, reinterpret_cast<platform::LONG_PTR>(&Procedure)));
    }
    ~PopupListSpy() {
        platform::SetWindowLongPtr(window, platform::GWLP_WNDPROC, reinterpret_cast<platform::LONG_PTR>(previous));
        Self() = nullptr;
    }
    static PopupListSpy*& Self() {
        static PopupListSpy* self = nullptr;
        return self;
    }
    static platform::LRESULT Procedure(platform::HWND w, platform::UINT m, platform::WPARAM wp, platform::LPARAM lp) {
        PopupListSpy* spy = Self();
        if (m == platform::WM_ENTERMENULOOP || m == platform::WM_EXITMENULOOP || m == platform::WM_INITMENUPOPUP ||
            m == platform::WM_COMMAND)
            spy->messages.push_back(m);
        if (m == platform::WM_ENTERIDLE) {
            if (spy->idle.empty()) {
                platform::EndMenu();  // a test never waits for a person
            } else {
                auto step = std::move(spy->idle.front());
                spy->idle.pop_front();
                step();
            }
        }
        return platform::CallWindowProc(spy->previous, w, m, wp, lp);
    }
    platform::HWND window;
    platform::WNDPROC previous;
    std::vector<platform::UINT> messages;
    // One step for each idle turn of the loop; a step that queues nothing
    // ends the loop itself, as no further idle turn comes.
    std::deque<std::function<void()>> idle;
};

TEST(ShortCutText, BothWays) {
    const struct {
        TShortCut shortCut;
        const char* text;
    } cases[] = {{static_cast<TShortCut>(scCtrl | 'O'), "Ctrl+O"},
                 {static_cast<TShortCut>(scShift | scCtrl | (platform::VK_F1 + 1)), "Shift+Ctrl+F2"},
                 {platform::VK_DELETE, "Del"},
                 {static_cast<TShortCut>(scAlt | (platform::VK_F1 + 3)), "Alt+F4"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
    }
    EXPECT_EQ(TextToShortCut("ctrl+o"), scCtrl | 'O');
    EXPECT_EQ(TextToShortCut("Ctrl+Nothing"), 0);
}

TEST_F(MenuFixture, ShortCutsChooseOnlyItemsThatCanBeChosen) {
    TMainMenu menu(form.get());
    TMenuItem* file = Item(menu.Items(), "&Файл");
    Item(file, "&Открыть", scCtrl | 'O');
    TMenuItem* save = Item(file, "&Сохранить", scCtrl | 'S');
    TMenuItem* hidden = Item(menu.Items(), "Скрыто");
    Item(hidden, "Печать", scCtrl | 'P');
    hidden->SetVisible(false);
    EXPECT_TRUE(menu.IsShortCut('O', {TShiftStateItem::ssCtrl}));
    EXPECT_FALSE(menu.IsShortCut('O', {}));
    save->SetEnabled(false);
    EXPECT_FALSE(menu.IsShortCut('S', {TShiftStateItem::ssCtrl}));
    EXPECT_FALSE(menu.IsShortCut('P', {TShiftStateItem::ssCtrl}));
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Открыть"}));
}

TEST_F(MenuFixture, RadioItemsOfAGroupAndAutoCheck) {
    TMainMenu menu(form.get());
    TMenuItem* view = Item(menu.Items(), "Вид");
    TMenuItem* a = Item(view, "Линии");
    TMenuItem* b = Item(view, "Точки");
    TMenuItem* c = Item(view, "Сетка");
    for (TMenuItem* i : {a, b}) {
        i->SetRadioItem(true);
        i->AutoCheck = true;
    }
    c->AutoCheck = true;
    a->SetChecked(true);
    b->Click();
    c->Click();
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(c->Checked());
    c->Click();
    EXPECT_FALSE(c->Checked());
    // The window system's menu follows: marks, radio, hidden items left out.
    platform::HMENU handle = view->Handle();
    EXPECT_NE(platform::GetMenuState(handle, b->Command(), platform::MF_BYCOMMAND) & platform::MF_CHECKED, 0u);
    EXPECT_EQ(platform::GetMenuState(handle, a->Command(), platform::MF_BYCOMMAND) & platform::MF_CHECKED, 0u);
    a->SetVisible(false);
    EXPECT_EQ(platform::GetMenuItemCount(handle), 2);
    delete b;  // an item freed on its own leaves its parent
    EXPECT_EQ(view->Count(), 2);
    EXPECT_EQ(platform::GetMenuItemCount(handle), 1);
}

TEST_F(MenuFixture, TheBarTakesTheFrameTopAndAnswersAltF10AndClicks) {
    auto* box = Add<TCheckBox>(10, 10);
    TMainMenu menu(form.get());
    FileMenu(menu);
    Item(menu.Items(), "&Настройки");
    Item(menu.Items(), "&Help");
    ShowForm();
    int clientBefore = form->ClientHeight();
    menu.AttachToForm(form.get());
    Pump();
    EXPECT_EQ(form->Menu(), &menu);
    EXPECT_EQ(menu.BarHeight(), platform::GetSystemMetrics(platform::SM_CYMENU));
    EXPECT_EQ(form->ClientHeight(), clientBefore - menu.BarHeight());

    // Alt and the marked letter, with the focus in a control of the form.
    Focus(box);
    KeyWith(platform::VK_MENU, 'H');
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Help"}));
    EXPECT_FALSE(box->Checked());

    // Alt and a letter open a popup; arrows go down into the cascade.
    clicks.clear();
    platform::testing::PressKey(platform::VK_MENU);
    Queue('F');  // no item is marked F: nothing opens
    platform::testing::ReleaseKey(platform::VK_MENU);
    Pump();
    Queue(platform::VK_F10);
    for (platform::UINT key : {platform::VK_DOWN, platform::VK_DOWN, platform::VK_RIGHT, platform::VK_DOWN,
                               platform::VK_RETURN})
        Queue(key);
    Pump();
    // The parent items hear their popups open.
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Файл", "&Экспорт", "&KML"}));

    // The mouse on the bar: the second item.
    clicks.clear();
    platform::RECT window{};
    platform::GetWindowRect(form->Handle(), &window);
    platform::RECT second = menu.ItemRect(1);
    platform::testing::Click(window.left + (second.left + second.right) / 2, window.top + (second.top + second.bottom) / 2);
    Pump();
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Настройки"}));

    menu.AttachToForm(nullptr);
    Pump();
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(form->ClientHeight(), clientBefore);
}

TEST_F(MenuFixture, AcceleratorsComeBeforeTheFocusedControlsKeys) {
    auto* edit = Add<TEdit>(10, 10, 150, 0);
    TMainMenu menu(form.get());
    FileMenu(menu);
    menu.AttachToForm(form.get());
    ShowForm();
    Focus(edit);
    Type("ab");
    KeyWith(platform::VK_CONTROL, 'O');
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Открыть"}));
    KeyWith(platform::VK_CONTROL, 'A');  // no item has it: the edit selects all
    Type("x");
    EXPECT_EQ(edit->Text(), "x");
    menu.Items()->Items(0)->Items(0)->SetEnabled(false);
    KeyWith(platform::VK_CONTROL, 'O');
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(MenuFixture, APopupRunsOnPopupAndIsChosenByKeysOrDismissed) {
    ShowForm();
    TPopupMenu popup(form.get());
    FileMenu(popup);
    int popups = 0;
    popup.OnPopup = [&](TObject*) { ++popups; };
    struct Case {
        std::vector<platform::UINT> keys;
        std::vector<std::string> clicks;
    } cases[] = {
        {{platform::VK_DOWN, platform::VK_RETURN}, {"&Открыть"}},
        {{platform::VK_UP, platform::VK_RETURN}, {"Вы&ход"}},  // Up from nothing: the last item
        {{platform::VK_DOWN, platform::VK_DOWN, platform::VK_RIGHT, platform::VK_RETURN}, {"&Экспорт", "&PNG"}},
        {{platform::VK_DOWN, platform::VK_DOWN, platform::VK_RIGHT, platform::VK_ESCAPE, platform::VK_ESCAPE}, {"&Экспорт"}},
        {{platform::VK_ESCAPE}, {}},
    };
    PopupListSpy spy;
    for (const Case& c : cases) {
        clicks.clear();
        for (platform::UINT key : c.keys) Queue(key);
        popup.Popup(200, 200);
        Pump();
        EXPECT_EQ(clicks, c.clicks);
    }
    EXPECT_EQ(popups, 5);
    // A press outside dismisses it, choosing nothing.
    clicks.clear();
    platform::testing::Click(5, 5);
    popup.Popup(200, 200);
    Pump();
    EXPECT_TRUE(clicks.empty());
}

TEST_F(MenuFixture, AnItemMarkedWithYoIsChosenByTypingItInEitherCase) {
    ShowForm();
    TPopupMenu popup(form.get());
    Item(popup.Items(), "&Ель");
    Item(popup.Items(), "&Ёлка");
    PopupListSpy spy;
    for (const char* typed : {"Ё", "ё"}) {
        clicks.clear();
        spy.idle.push_back([typed] { platform::testing::TypeText(typed); });
        popup.Popup(200, 200);
        Pump();
        EXPECT_EQ(clicks, std::vector<std::string>{"&Ёлка"}) << typed;
    }
}

TEST_F(MenuFixture, APopupItemClickedWithTheMouseAndTheLoopMessagesInOrder) {
    ShowForm();
    TPopupMenu popup(form.get());
    FileMenu(popup);
    PopupListSpy spy;
    spy.idle.push_back([&] {
        platform::RECT item{};
        ASSERT_TRUE(platform::GetMenuItemRect(spy.window, popup.Handle(), 3, &item));
        EXPECT_EQ(popup.WindowHandle, spy.window);
        platform::testing::Click((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    });
    popup.Popup(200, 200);
    EXPECT_TRUE(clicks.empty());  // the choice arrives with the next turn of the loop
    Pump();
    EXPECT_EQ(clicks, (std::vector<std::string>{"Вы&ход"}));
    EXPECT_EQ(spy.messages, (std::vector<platform::UINT>{platform::WM_ENTERMENULOOP, platform::WM_INITMENUPOPUP,
                                                          platform::WM_EXITMENULOOP, platform::WM_COMMAND}));
    EXPECT_EQ(popup.WindowHandle, nullptr);
}

TEST_F(MenuFixture, OwnerDrawnItemsAreMeasuredAndDrawnThroughTheirEvents) {
    ShowForm();
    TPopupMenu popup(form.get());
    FileMenu(popup);
    popup.SetOwnerDraw(true);
    TMenuItem* open = popup.Items()->Items(0);
    open->SetDefault(true);
    int plainWidth = 0, plainHeight = 0;
    open->OnMeasureItem = [&](TObject*, TCanvas*, int& width, int& height) {
        plainWidth = width;
        plainHeight = height;
        width = 150;
        height = 26;
    };
    std::vector<std::pair<TRect, TOwnerDrawState>> drawn;
    open->OnAdvancedDrawItem = [&](TObject*, TCanvas* canvas, TRect rect, TOwnerDrawState state) {
        canvas->Brush()->SetColor(clRed);
        canvas->FillRect(rect);
        drawn.emplace_back(rect, state);
    };
    platform::RECT shown{};
    PopupListSpy spy;
    spy.idle.push_back([&] {
        platform::GetMenuItemRect(nullptr, popup.Handle(), 0, &shown);
        Queue(platform::VK_DOWN);
    });
    spy.idle.push_back([] { Queue(platform::VK_RETURN); });
    popup.Popup(200, 200);
    Pump();
    EXPECT_GT(plainWidth, 20);  // the plain item's size comes first
    EXPECT_GE(plainHeight, 16);
    EXPECT_EQ(shown.bottom - shown.top, 26);
    EXPECT_GE(shown.right - shown.left, 150);
    ASSERT_GE(drawn.size(), 2u);
    EXPECT_EQ(drawn.front().first.Height(), 26);
    EXPECT_TRUE(drawn.front().second.Contains(TOwnerDrawStateItem::odDefault));
    EXPECT_FALSE(drawn.front().second.Contains(TOwnerDrawStateItem::odSelected));
    EXPECT_TRUE(drawn.back().second.Contains(TOwnerDrawStateItem::odSelected));
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Открыть"}));
}

TEST_F(MenuFixture, TheSelectedItemIsHighlightedAndMarksAreDrawn) {
    ShowForm();
    TMainMenu menu(form.get());
    FileMenu(menu);
    menu.AttachToForm(form.get());
    TPopupMenu popup(form.get());
    FileMenu(popup);
    TMenuItem* exit = popup.Items()->Items(3);
    exit->SetChecked(true);
    exit->SetEnabled(false);
    Pump();
    platform::RECT bar{};
    ASSERT_TRUE(platform::GetMenuItemRect(form->Handle(), menu.Handle(), 0, &bar));
    int barInk = 0;
    for (int y = bar.top; y < bar.bottom; ++y)
        for (int x = bar.left; x < bar.right; ++x)
            if (ScreenPixel(form->Handle(), x, y) != Rgb(clMenu)) ++barInk;
    EXPECT_GT(barInk, 10);  // the caption is written on the bar
    Dump(form->Handle(), "menu-bar.png");

    std::uint32_t selected = 0, plain = 0, line = 0;
    int markInk = 0;
    PopupListSpy spy;
    spy.idle.push_back([] { Queue(platform::VK_DOWN); });
    spy.idle.push_back([&] {
        platform::RECT open{}, separator{}, exitRect{};
        platform::GetMenuItemRect(nullptr, popup.Handle(), 0, &open);
        platform::GetMenuItemRect(nullptr, popup.Handle(), 1, &separator);
        platform::GetMenuItemRect(nullptr, popup.Handle(), 3, &exitRect);
        platform::HWND window = platform::WindowFromPoint({open.left + 2, open.top + 2});
        selected = ScreenPixel(window, open.right - 4, open.top + 2);
        plain = ScreenPixel(window, exitRect.right - 4, exitRect.top + 2);
        bool shadowLine = false;
        for (int y = separator.top; y < separator.bottom; ++y)
            shadowLine = shadowLine || ScreenPixel(window, separator.left + 10, y) == Rgb(clBtnShadow);
        line = shadowLine;
        for (int y = exitRect.top; y < exitRect.bottom; ++y)
            for (int x = exitRect.left; x < exitRect.left + 20; ++x)
                if (ScreenPixel(window, x, y) == Rgb(clGrayText)) ++markInk;
        Dump(window, "menu-popup.png");
        platform::EndMenu();
    });
    popup.Popup(form->Left() + 40, form->Top() + 60);
    EXPECT_EQ(selected, Rgb(clHighlight));
    EXPECT_EQ(plain, Rgb(clMenu));
    EXPECT_EQ(line, 1u);
    EXPECT_GT(markInk, 5);  // the check mark of a disabled item, in the grey of disabled text
    menu.AttachToForm(nullptr);
}

TEST_F(MenuFixture, AControlsPopupMenuComesWithARightClickOrTheMenuKey) {
    auto* edit = Add<TEdit>(10, 10, 150, 0);
    auto* box = Add<TCheckBox>(10, 50);
    TPopupMenu popup(form.get());
    FileMenu(popup);
    edit->SetPopupMenu(&popup);
    ShowForm();
    Focus(edit);
    TPoint at = edit->ClientToScreen({20, 5});
    platform::testing::Click(at.X, at.Y, 1);
    for (platform::UINT key : {platform::VK_DOWN, platform::VK_RETURN}) Queue(key);
    Pump();
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Открыть"}));
    EXPECT_EQ(popup.PopupComponent, edit);
    EXPECT_EQ(popup.PopupPoint(), at);

    // From the keyboard it drops at the control.
    Queue(platform::VK_APPS);
    Queue(platform::VK_ESCAPE);
    Pump();
    EXPECT_EQ(popup.PopupPoint(), edit->ClientToScreen({0, 0}));

    // Without AutoPopup, or on a control without one, nothing shows.
    popup.AutoPopup = false;
    int shown = 0;
    popup.OnPopup = [&](TObject*) { ++shown; };
    platform::testing::Click(at.X, at.Y, 1);
    TPoint onBox = box->ClientToScreen({2, 2});
    platform::testing::Click(onBox.X, onBox.Y, 1);
    Pump();
    EXPECT_EQ(shown, 0);
}

TEST_F(MenuFixture, GlyphsFromTheMenusImagesMakeItemsOwnerDrawn) {
    TImageList images(form.get());
    images.SetSize(16, 16);
    TBitmap red;
    red.SetPixelFormat(TPixelFormat::pf24bit);
    red.SetSize(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 16, 16});
    images.Add(&red, nullptr);
    ShowForm();
    TPopupMenu popup(form.get());
    FileMenu(popup);
    popup.SetImages(&images);
    TMenuItem* open = popup.Items()->Items(0);
    open->SetImageIndex(0);
    platform::HMENU handle = popup.Handle();
    EXPECT_NE(platform::GetMenuState(handle, 0, platform::MF_BYPOSITION) & platform::MF_OWNERDRAW, 0u);
    EXPECT_EQ(platform::GetMenuState(handle, 3, platform::MF_BYPOSITION) & platform::MF_OWNERDRAW, 0u);
    int red_ = 0;
    PopupListSpy spy;
    spy.idle.push_back([&] {
        platform::RECT item{};
        platform::GetMenuItemRect(nullptr, handle, 0, &item);
        platform::HWND window = platform::WindowFromPoint({item.left + 2, item.top + 2});
        for (int y = item.top; y < item.bottom; ++y)
            for (int x = item.left; x < item.left + 24; ++x)
                if (ScreenPixel(window, x, y) == Rgb(clRed)) ++red_;
        platform::EndMenu();
    });
    popup.Popup(300, 300);
    EXPECT_EQ(red_, 16 * 16);
    popup.SetImages(nullptr);
    EXPECT_EQ(platform::GetMenuState(handle, 0, platform::MF_BYPOSITION) & platform::MF_OWNERDRAW, 0u);
}

TEST_F(MenuFixture, TheFormsSystemMenuByAltSpaceAndAltF4) {
    ShowForm();
    platform::testing::PressKey(platform::VK_MENU);
    Queue(platform::VK_SPACE);
    platform::testing::ReleaseKey(platform::VK_MENU);
    Type("с");  // "&Свернуть"
    EXPECT_TRUE(platform::IsIconic(form->Handle()));
    platform::ShowWindow(form->Handle(), platform::SW_RESTORE);
    Pump();
    bool closing = false;
    form->OnCloseQuery = [&](TObject*, bool& canClose) {
        closing = true;
        canClose = false;
    };
    KeyWith(platform::VK_MENU, platform::VK_F4);
    EXPECT_TRUE(closing);
}

}  // namespace
