#include "ControlGallery.h"

#include "ui/Bevel.h"
#include "ui/BitBtn.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/CustomEdit.h"
#include "ui/Image.h"
#include "ui/ImageList.h"
#include "ui/Label.h"
#include "ui/MaskEdit.h"
#include "ui/Menus.h"
#include "ui/ProgressBar.h"
#include "ui/Shape.h"
#include "ui/SpeedButton.h"
#include "ui/StatusBar.h"
#include "ui/TreeView.h"
#include "ui/UpDown.h"

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
    form->SetBounds(100, 100, 720, 420);
    form->SetCaption("Элементы");
    form->SetColor(clBtnFace);

    g.Menu = new TMainMenu(form);
    for (const char* caption : {"&Файл", "&Настройки", "&Справка"}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        g.Menu->Items()->Add(item);
    }

    // The first column: editing.
    auto* label = Add<TLabel>(form, 10, 10);
    label->SetCaption("&Время:");
    g.Time = Add<TMaskEdit>(form, 70, 8, 80);
    g.Time->SetEditMask("##:##,##;1;_");
    g.Time->SetText("01:30,25");
    label->FocusControl = g.Time;
    Add<TUpDown>(form, 150, 6, 16, 24);
    auto* edit = Add<TEdit>(form, 10, 40, 160);
    edit->SetText("Ракета");
    auto* memo = Add<TMemo>(form, 10, 70, 160, 80);
    for (const char* line : {"Подключение...", "Готово"}) memo->Lines()->Add(line);

    // The second column: choices and buttons.
    g.Check = Add<TCheckBox>(form, 190, 10, 120);
    g.Check->SetCaption("Начало");
    g.Check->SetChecked(true);
    auto* radio = Add<TRadioButton>(form, 190, 32, 120);
    radio->SetCaption("Маркер 1");
    radio->SetChecked(true);
    auto* combo = Add<TComboBox>(form, 190, 56, 150);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    for (const char* s : {"Высота", "Скорость"}) combo->AddItem(s);
    combo->SetItemIndex(1);
    auto* ok = Add<TButton>(form, 190, 90);
    ok->SetCaption("OK");
    ok->SetDefault(true);

    // The third column: the tree.
    auto* tree = Add<TTreeView>(form, 350, 10, 150, 140);
    TTreeNode* root = tree->Items().Add(nullptr, "Полёты");
    tree->Items().AddChild(root, "flight1.log");
    tree->Items().AddChild(root, "flight2.log");
    root->Expand();

    g.Progress = Add<TProgressBar>(form, 10, 170, 330, 18);
    g.Progress->SetSmooth(true);
    g.Progress->SetPosition(50);

    // Graphic controls: a group of speed buttons, a flat one, bit buttons.
    TBitmap arrow;
    ArrowGlyph(arrow);
    const char* speedCaptions[] = {"1", "2", "3"};
    for (int i = 0; i < 3; ++i) {
        g.Speed[i] = Add<TSpeedButton>(form, 10 + i * 25, 200, 23, 22);
        g.Speed[i]->SetCaption(speedCaptions[i]);
        g.Speed[i]->SetGroupIndex(1);
    }
    g.Speed[1]->SetDown(true);
    g.FlatSpeed = Add<TSpeedButton>(form, 90, 200, 23, 22);
    g.FlatSpeed->SetFlat(true);
    g.FlatSpeed->SetGlyph(&arrow);
    auto* glyphSpeed = Add<TSpeedButton>(form, 120, 200, 80, 22);
    glyphSpeed->SetGlyph(&arrow);
    glyphSpeed->SetCaption("Пуск");
    auto* disabledSpeed = Add<TSpeedButton>(form, 205, 200, 23, 22);
    disabledSpeed->SetGlyph(&arrow);
    disabledSpeed->SetEnabled(false);
    g.Ok = Add<TBitBtn>(form, 10, 232, 90, 26);
    g.Ok->SetKind(TBitBtnKind::bkOK);
    g.Cancel = Add<TBitBtn>(form, 105, 232, 90, 26);
    g.Cancel->SetKind(TBitBtnKind::bkCancel);
    auto* help = Add<TBitBtn>(form, 200, 232, 90, 26);
    help->SetKind(TBitBtnKind::bkHelp);

    // Pictures: an image list of alpha discs, an image showing one of them
    // stretched, shapes and bevels.
    g.Images = new TImageList(form);
    g.Images->SetSize(24, 24);
    for (std::uint32_t rgb : {0xD02020u, 0x20A020u, 0x2040D0u}) g.Images->AddPixels(Disc(24, rgb));
    g.Frame = Add<TBevel>(form, 520, 8, 180, 142);
    g.Frame->SetShape(TBevelShape::bsFrame);
    g.Picture = Add<TImage>(form, 530, 18, 48, 48);
    TBitmap disc;
    g.Images->GetBitmap(2, &disc);
    g.Picture->Picture()->Bitmap()->Assign(&disc);
    g.Picture->SetStretch(true);
    g.Circle = Add<TShape>(form, 590, 18, 48, 48);
    g.Circle->SetShape(TShapeType::stCircle);
    g.Circle->Brush()->SetColor(clYellow);
    auto* rounded = Add<TShape>(form, 645, 18, 48, 48);
    rounded->SetShape(TShapeType::stRoundRect);
    rounded->Brush()->SetColor(clSkyBlue);
    auto* line = Add<TBevel>(form, 530, 76, 160, 4);
    line->SetShape(TBevelShape::bsTopLine);
    auto* strip = Add<TImage>(form, 530, 86, 160, 30);
    TBitmap* canvasOf = strip->Picture()->Bitmap();
    canvasOf->SetSize(160, 30);
    canvasOf->Canvas()->Brush()->SetColor(clBtnFace);
    canvasOf->Canvas()->FillRect({0, 0, 160, 30});
    for (int i = 0; i < g.Images->Count(); ++i) g.Images->Draw(canvasOf->Canvas(), i * 30, 3, i);
    g.Images->Draw(canvasOf->Canvas(), 100, 3, 0, false);

    g.Status = Add<TStatusBar>(form, 0, 0);
    g.Status->Panels()->Add()->SetWidth(150);
    g.Status->Panels()->Items(0)->SetText("Подключено");
    g.Status->Panels()->Add()->SetText("flight1.log");
    g.Menu->AttachToForm(form);
    return g;
}
