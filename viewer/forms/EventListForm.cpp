#include "viewer/forms/EventListForm.h"

#include "platform/text/DrawText.h"
#include "ui/controls/ButtonGlyph.h"
#include "ui/core/PublishedProperties.h"

TForm8* Form8 = nullptr;

namespace {

constexpr int kColumnWidths[] = {35, 82, 445};
constexpr int kDescriptionColumn = 2;
constexpr int kTextRightMargin = 2;

}  // namespace

const TClassInfo& TForm8::StaticClass() {
    static const TClassInfo info = TPublished<TForm8>("TForm8", TForm::StaticClass()).Build();
    return info;
}

TForm8::TForm8(TComponent* owner) : TAppWindowForm(owner) {
    SetName("Form8");
    SetCaption("Просмотр событий");
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(590, 420);

    StringGrid1 = new TStringGrid(this);
    StringGrid1->SetParent(this);
    StringGrid1->SetBounds(4, 4, 582, 376);
    StringGrid1->SetColCount(3);
    StringGrid1->SetFixedCols(0);
    StringGrid1->SetRowCount(2);
    StringGrid1->SetFixedRows(1);
    StringGrid1->SetScrollBars(TScrollStyle::ssVertical);
    for (int col = 0; col < 3; ++col) StringGrid1->SetColWidths(col, kColumnWidths[col]);
    StringGrid1->OnDrawCell = [this](TObject* s, int col, int row, TRect rect, TGridDrawState state) {
        StringGrid1DrawCell(s, col, row, rect, state);
    };

    Button1 = new TButton(this);
    Button1->SetParent(this);
    Button1->SetBounds(496, 388, 90, 26);
    Button1->SetCaption("Закрыть");
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    FormCreate(this);
}

void TForm8::FormCreate(TObject*) {
    StringGrid1->SetCells(0, 0, "№");
    StringGrid1->SetCells(1, 0, "Время");
    StringGrid1->SetCells(2, 0, "Описание события");
}

void TForm8::Button1Click(TObject*) { Close(); }

void TForm8::StringGrid1DrawCell(TObject*, int ACol, int ARow, TRect Rect, TGridDrawState) {
    TCanvas& canvas = *StringGrid1->Canvas();
    canvas.FillRect(Rect);
    TRect text = Rect;
    text.Right -= kTextRightMargin;
    const bool description = ARow >= StringGrid1->FixedRows() && ACol == kDescriptionColumn;
    const unsigned flags = platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_NOPREFIX |
                           (description ? platform::DT_LEFT : platform::DT_CENTER);
    DrawButtonCaption(canvas, text, StringGrid1->Cells(ACol, ARow), true, flags);
}
