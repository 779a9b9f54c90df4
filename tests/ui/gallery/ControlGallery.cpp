#include "ControlGallery.h"

#include "ui/controls/Bevel.h"
#include "ui/controls/BitBtn.h"
#include "ui/controls/Button.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Grids.h"
#include "ui/controls/Image.h"
#include "ui/controls/Label.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MaskEdit.h"
#include "ui/controls/ProgressBar.h"
#include "ui/controls/ScrollBar.h"
#include "ui/controls/ScrollBox.h"
#include "ui/controls/Shape.h"
#include "ui/controls/SpeedButton.h"
#include "ui/controls/StatusBar.h"
#include "ui/controls/TabControls.h"
#include "ui/controls/ToolBar.h"
#include "ui/controls/TrackBar.h"
#include "ui/controls/TreeView.h"
#include "ui/controls/UpDown.h"
#include "ui/graphics/ImageList.h"
#include "ui/menus/Menus.h"
#include "ui/menus/PopupMenu.h"

#include <cmath>

namespace {

template <class T>
T* Add(TForm* form, int left, int top, int width = 0, int height = 0) {
    auto* c = new T(form);
    c->SetParent(form);
    c->SetBounds(left, top, width ? width : c->Width(), height ? height : c->Height());
    return c;
}

// A round picture with alpha: a filled disc fading out at its rim.
TPixels Disc(int size, std::uint32_t rgb) {
    TPixels pixels(static_cast<std::size_t>(size) * size, 0);
    double r = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double dx = x + 0.5 - r, dy = y + 0.5 - r;
            double d = r - std::sqrt(dx * dx + dy * dy);
            int alpha = d >= 1 ? 255 : d <= 0 ? 0 : static_cast<int>(d * 255);
            pixels[static_cast<std::size_t>(y * size + x)] = (static_cast<std::uint32_t>(alpha) << 24) | rgb;
        }
    return pixels;
}

// A glyph in two frames (up and disabled) on a magenta background.
void ArrowGlyph(TBitmap& glyph) {
    glyph.SetPixelFormat(TPixelFormat::pf24bit);
    glyph.SetSize(32, 16);
    TCanvas& c = *glyph.Canvas();
    c.Brush()->SetColor(clFuchsia);
    c.FillRect({0, 0, 32, 16});
    c.Pen()->SetColor(clNavy);
    c.Brush()->SetColor(clNavy);
    c.Polygon({{3, 3}, {12, 8}, {3, 13}});
    c.Pen()->SetColor(clGray);
    c.Brush()->SetColor(clGray);
    c.Polygon({{19, 3}, {28, 8}, {19, 13}});
}

}  // namespace

TControlGallery BuildControlGallery() {
    TControlGallery g;
    g.Form = std::make_unique<TForm>(nullptr);
    TForm* form = g.Form.get();
    form->SetBounds(60, 40, 960, 600);
    form->SetCaption("Элементы");
    form->SetColor(clBtnFace);

    g.Menu = new TMainMenu(form);
    for (const char* caption : {"&Файл", "&Настройки", "&Справка"}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        g.Menu->Items()->Add(item);
    }
    auto* popup = new TPopupMenu(form);
    for (const char* caption : {"Открыть", "-", "Сохранить как..."}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        popup->Items()->Add(item);
    }

    // An image list of alpha discs for the tool bar, the list view and the pictures.
    g.Images = new TImageList(form);
    g.Images->SetSize(16, 16);
    for (std::uint32_t rgb : {0xD02020u, 0x20A020u, 0x2040D0u}) g.Images->AddPixels(Disc(16, rgb));

    // The tool bar along the top; everything else below it.
    auto* bar = new TToolBar(form);
    bar->SetParent(form);
    bar->SetImages(g.Images);
    const struct {
        TToolButtonStyle style;
        int image;
    } tools[] = {{TToolButtonStyle::tbsButton, 0}, {TToolButtonStyle::tbsButton, 1},
                 {TToolButtonStyle::tbsSeparator, -1}, {TToolButtonStyle::tbsCheck, 2},
                 {TToolButtonStyle::tbsDropDown, 0}};
    for (const auto& t : tools) {
        auto* b = new TToolButton(form);
        b->SetStyle(t.style);
        b->SetImageIndex(t.image);
        b->SetParent(bar);
        if (t.style == TToolButtonStyle::tbsCheck) b->SetDown(true);
        if (t.style == TToolButtonStyle::tbsDropDown) b->SetDropdownMenu(popup);
    }
    const int t = 36;

    // The first column: editing.
    auto* label = Add<TLabel>(form, 10, t + 10);
    label->SetCaption("&Время:");
    g.Time = Add<TMaskEdit>(form, 70, t + 8, 80);
    g.Time->SetEditMask("##:##,##;1;_");
    g.Time->SetText("01:30,25");
    label->FocusControl = g.Time;
    Add<TUpDown>(form, 150, t + 6, 16, 24);
    auto* edit = Add<TEdit>(form, 10, t + 40, 160);
    edit->SetText("Ракета");
    auto* memo = Add<TMemo>(form, 10, t + 70, 160, 80);
    for (const char* line : {"Подключение...", "Готово"}) memo->Lines()->Add(line);

    // The second column: choices and buttons.
    g.Check = Add<TCheckBox>(form, 190, t + 10, 120);
    g.Check->SetCaption("Начало");
    g.Check->SetChecked(true);
    auto* radio = Add<TRadioButton>(form, 190, t + 32, 120);
    radio->SetCaption("Маркер 1");
    radio->SetChecked(true);
    auto* combo = Add<TComboBox>(form, 190, t + 56, 150);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    for (const char* s : {"Высота", "Скорость"}) combo->AddItem(s);
    combo->SetItemIndex(1);
    auto* ok = Add<TButton>(form, 190, t + 90);
    ok->SetCaption("OK");
    ok->SetDefault(true);

    // The third column: the tree.
    auto* tree = Add<TTreeView>(form, 350, t + 10, 150, 140);
    TTreeNode* root = tree->Items().Add(nullptr, "Полёты");
    tree->Items().AddChild(root, "flight1.log");
    tree->Items().AddChild(root, "flight2.log");
    root->Expand();

    // The fourth column: pictures in a bevel frame.
    g.Frame = Add<TBevel>(form, 515, t + 8, 190, 142);
    g.Frame->SetShape(TBevelShape::bsFrame);
    g.Picture = Add<TImage>(form, 525, t + 18, 48, 48);
    TBitmap disc;
    WritePixels(disc, 48, 48, Disc(48, 0x2040D0u));
    g.Picture->Picture()->Bitmap()->Assign(&disc);
    g.Picture->SetStretch(true);
    g.Circle = Add<TShape>(form, 585, t + 18, 48, 48);
    g.Circle->SetShape(TShapeType::stCircle);
    g.Circle->Brush()->SetColor(clYellow);
    auto* rounded = Add<TShape>(form, 645, t + 18, 48, 48);
    rounded->SetShape(TShapeType::stRoundRect);
    rounded->Brush()->SetColor(clSkyBlue);
    auto* line = Add<TBevel>(form, 525, t + 76, 170, 4);
    line->SetShape(TBevelShape::bsTopLine);
    auto* strip = Add<TImage>(form, 525, t + 86, 170, 30);
    TBitmap* canvasOf = strip->Picture()->Bitmap();
    canvasOf->SetSize(170, 30);
    canvasOf->Canvas()->Brush()->SetColor(clBtnFace);
    canvasOf->Canvas()->FillRect({0, 0, 170, 30});
    for (int i = 0; i < g.Images->Count(); ++i) g.Images->Draw(canvasOf->Canvas(), i * 26, 7, i);
    g.Images->Draw(canvasOf->Canvas(), 90, 7, 0, false);

    // The fifth column: the list view as a report.
    auto* list = Add<TListView>(form, 715, t + 8, 230, 142);
    list->SetViewStyle(TViewStyle::vsReport);
    list->SetSmallImages(g.Images);
    for (auto [caption, width] : {std::pair{"Файл", 110}, std::pair{"Размер", 100}}) {
        TListColumn* column = list->Columns().Add();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    for (int i = 0; i < 3; ++i) {
        TListItem* item = list->Items().Add();
        item->SetCaption("flight" + std::to_string(i + 1) + ".log");
        item->SubItems().Add(std::to_string((i + 1) * 4096));
        item->ImageIndex = i;
    }
    list->SetSelected(list->Items().Item(1));

    // The second row: progress and track bars, speed and bit buttons, the grid.
    g.Progress = Add<TProgressBar>(form, 10, t + 165, 330, 18);
    g.Progress->SetSmooth(true);
    g.Progress->SetPosition(50);
    auto* track = Add<TTrackBar>(form, 350, t + 158, 160, 45);
    track->SetMax(10);
    track->SetPosition(3);

    TBitmap arrow;
    ArrowGlyph(arrow);
    const char* speedCaptions[] = {"1", "2", "3"};
    for (int i = 0; i < 3; ++i) {
        g.Speed[i] = Add<TSpeedButton>(form, 10 + i * 25, t + 195, 23, 22);
        g.Speed[i]->SetCaption(speedCaptions[i]);
        g.Speed[i]->SetGroupIndex(1);
    }
    g.Speed[1]->SetDown(true);
    g.FlatSpeed = Add<TSpeedButton>(form, 90, t + 195, 23, 22);
    g.FlatSpeed->SetFlat(true);
    g.FlatSpeed->SetGlyph(&arrow);
    auto* glyphSpeed = Add<TSpeedButton>(form, 120, t + 195, 80, 22);
    glyphSpeed->SetGlyph(&arrow);
    glyphSpeed->SetCaption("Пуск");
    auto* disabledSpeed = Add<TSpeedButton>(form, 205, t + 195, 23, 22);
    disabledSpeed->SetGlyph(&arrow);
    disabledSpeed->SetEnabled(false);
    g.Ok = Add<TBitBtn>(form, 10, t + 226, 90, 26);
    g.Ok->SetKind(TBitBtnKind::bkOK);
    g.Cancel = Add<TBitBtn>(form, 105, t + 226, 90, 26);
    g.Cancel->SetKind(TBitBtnKind::bkCancel);
    auto* help = Add<TBitBtn>(form, 200, t + 226, 90, 26);
    help->SetKind(TBitBtnKind::bkHelp);

    auto* grid = Add<TStringGrid>(form, 515, t + 160, 430, 110);
    grid->SetColCount(3);
    grid->SetRowCount(5);
    grid->SetFixedCols(0);
    grid->SetFixedRows(1);
    grid->SetColWidths(0, 140);
    grid->SetColWidths(1, 140);
    grid->SetColWidths(2, 120);
    const char* header[] = {"Время", "Высота, м", "Скорость, м/с"};
    for (int c = 0; c < 3; ++c) grid->SetCells(c, 0, header[c]);
    for (int r = 1; r < 5; ++r) {
        grid->SetCells(0, r, "00:0" + std::to_string(r) + ",00");
        grid->SetCells(1, r, std::to_string(r * r * 12));
        grid->SetCells(2, r, std::to_string(r * 24));
    }

    // The third row: pages, one holding a scroll box, and scroll bars.
    auto* pages = Add<TPageControl>(form, 10, t + 265, 490, 190);
    for (const char* caption : {"Журнал", "Настройки", "Прошивка"}) {
        auto* sheet = new TTabSheet(form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(pages);
    }
    pages->SetActivePageIndex(0);
    auto* scroll = new TScrollBox(form);
    scroll->SetParent(pages->Pages(0));
    scroll->SetBounds(8, 8, 300, 140);
    for (int i = 0; i < 8; ++i) {
        auto* row = new TCheckBox(form);
        row->SetParent(scroll);
        row->SetBounds(8, 8 + i * 24, 200, 20);
        row->SetCaption("Канал " + std::to_string(i + 1));
        row->SetChecked(i % 3 == 0);
    }
    auto* tabs = Add<TTabControl>(form, 515, t + 280, 300, 90);
    for (const char* s : {"Высота", "Скорость", "Ускорение"}) tabs->Tabs().Add(s);
    auto* horizontal = Add<TScrollBar>(form, 515, t + 385, 300, 0);
    horizontal->SetParams(30, 0, 100);
    auto* vertical = Add<TScrollBar>(form, 830, t + 280, 0, 0);
    vertical->SetKind(TScrollBarKind::sbVertical);
    vertical->SetBounds(830, t + 280, vertical->Width(), 160);
    vertical->SetParams(70, 0, 100);

    g.Status = Add<TStatusBar>(form, 0, 0);
    g.Status->Panels()->Add()->SetWidth(150);
    g.Status->Panels()->Items(0)->SetText("Подключено");
    g.Status->Panels()->Add()->SetText("flight1.log");
    g.Menu->AttachToForm(form);
    return g;
}
