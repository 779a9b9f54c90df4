#include "ControlFixture.h"

#include "tests/support/PngDump.h"

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/CustomEdit.h"
#include "ui/Label.h"
#include "ui/MaskEdit.h"
#include "ui/Menus.h"
#include "ui/ProgressBar.h"
#include "ui/StatusBar.h"
#include "ui/TreeView.h"
#include "ui/UpDown.h"

#include <cstdlib>

namespace {

using ControlGallery = ControlFixture;

std::uint32_t PixelAt(TWinControl* c, int x, int y) { return platform::testing::WindowPixel(c->Handle(), x, y) & 0xFFFFFF; }

// A colour as the pixels hold it, 0x00RRGGBB.
std::uint32_t Rgb(TColor color) {
    std::uint32_t v = ColorToRGB(color);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

TEST_F(ControlGallery, EveryControlPaintsItsState) {
    form->SetBounds(100, 100, 520, 360);
    form->SetCaption("Элементы");
    form->SetColor(clBtnFace);
    TMainMenu menu(form.get());
    for (const char* caption : {"&Файл", "&Настройки", "&Справка"}) {
        auto* item = new TMenuItem(form.get());
        item->SetCaption(caption);
        menu.Items()->Add(item);
    }
    auto* label = Add<TLabel>(10, 10);
    label->SetCaption("&Время:");
    auto* time = Add<TMaskEdit>(70, 8, 80);
    time->SetEditMask("##:##,##;1;_");
    time->SetText("01:30,25");
    label->FocusControl = time;
    Add<TUpDown>(150, 6, 16, 24);
    auto* edit = Add<TEdit>(10, 40, 160);
    edit->SetText("Ракета");
    auto* memo = Add<TMemo>(10, 70, 160, 80);
    for (const char* line : {"Подключение...", "Готово"}) memo->Lines()->Add(line);
    auto* check = Add<TCheckBox>(190, 10, 120);
    check->SetCaption("Начало");
    check->SetChecked(true);
    auto* radio = Add<TRadioButton>(190, 32, 120);
    radio->SetCaption("Маркер 1");
    radio->SetChecked(true);
    auto* combo = Add<TComboBox>(190, 56, 150);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    for (const char* s : {"Высота", "Скорость"}) combo->AddItem(s);
    combo->SetItemIndex(1);
    auto* tree = Add<TTreeView>(350, 10, 150, 140);
    TTreeNode* root = tree->Items().Add(nullptr, "Полёты");
    tree->Items().AddChild(root, "flight1.log");
    tree->Items().AddChild(root, "flight2.log");
    root->Expand();
    auto* progress = Add<TProgressBar>(10, 170, 330, 18);
    progress->SetSmooth(true);
    progress->SetPosition(50);
    auto* ok = Add<TButton>(190, 90);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    auto* status = Add<TStatusBar>(0, 0);
    status->Panels()->Add()->SetWidth(150);
    status->Panels()->Items(0)->SetText("Подключено");
    status->Panels()->Add()->SetText("flight1.log");
    menu.AttachToForm(form.get());
    ShowForm();

    // The bar under the caption, the status bar at the bottom of the client.
    EXPECT_EQ(status->Top() + status->Height(), form->ClientHeight());
    // Half the smooth bar is filled with the highlight.
    TRect filled = progress->FilledRect();
    EXPECT_EQ(filled.Width(), (progress->Width() - 4) / 2);
    EXPECT_EQ(PixelAt(progress, filled.Left + 5, 8), Rgb(clHighlight));
    EXPECT_EQ(PixelAt(progress, filled.Right + 5, 8), Rgb(clBtnFace));
    // A checked box has dark pixels in its box; an unchecked one has none.
    auto darkIn = [](TWinControl* c) {
        int dark = 0;
        for (int y = 4; y < 13; ++y)
            for (int x = 3; x < 11; ++x)
                if (PixelAt(c, x, y) == 0) ++dark;
        return dark;
    };
    EXPECT_GT(darkIn(check), 5);
    check->SetChecked(false);
    Pump();
    EXPECT_EQ(darkIn(check), 0);
    check->SetChecked(true);
    Pump();

    // For a person to look at: VELZAR_DUMP_DIR=/some/folder.
    if (const char* dir = std::getenv("VELZAR_DUMP_DIR")) {
        auto surface = platform::testing::WindowPixels(form->Handle());
        ASSERT_TRUE(surface);
        std::vector<std::uint32_t> rows;
        for (int y = 0; y < surface->Height(); ++y)
            for (int x = 0; x < surface->Width(); ++x) rows.push_back(surface->Get(x, y));
        png_dump::WritePng(std::string(dir) + "/ui-controls.png", rows.data(), surface->Width(), surface->Height(),
                           surface->Width());
    }
    menu.AttachToForm(nullptr);
}

}  // namespace
