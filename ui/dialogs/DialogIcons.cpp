#include "ui/dialogs/DialogIcons.h"

#include "ui/forms/Application.h"

namespace {

constexpr TColor Background = clFuchsia;

void Disc(TCanvas& c, TColor fill) {
    c.Pen()->SetColor(clBlack);
    c.Brush()->SetColor(fill);
    c.Ellipse(1, 1, 31, 31);
}

void Bar(TCanvas& c, const TRect& r, TColor color) {
    c.Brush()->SetColor(color);
    c.FillRect(r);
}

}  // namespace

void DrawDialogIcon(TDialogIcon icon, TBitmap& b) {
    if (icon == TDialogIcon::diNone) {
        b.SetSize(0, 0);
        return;
    }
    b.SetPixelFormat(TPixelFormat::pf24bit);
    b.SetSize(DialogIconSize, DialogIconSize);
    TCanvas& c = *b.Canvas();
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    Bar(c, {0, 0, DialogIconSize, DialogIconSize}, Background);
    c.Pen()->SetWidth(1);
    switch (icon) {
        case TDialogIcon::diError:
            Disc(c, clRed);
            c.Pen()->SetColor(clWhite);
            c.Pen()->SetWidth(4);
            c.MoveTo(10, 10);
            c.LineTo(22, 22);
            c.MoveTo(22, 10);
            c.LineTo(10, 22);
            break;
        case TDialogIcon::diWarning:
            c.Pen()->SetColor(clBlack);
            c.Brush()->SetColor(clYellow);
            c.Polygon({{16, 1}, {31, 29}, {1, 29}});
            Bar(c, {14, 9, 18, 21}, clBlack);
            Bar(c, {14, 23, 18, 27}, clBlack);
            break;
        case TDialogIcon::diQuestion:
            Disc(c, clBlue);
            c.Pen()->SetColor(clWhite);
            c.Pen()->SetWidth(3);
            c.MoveTo(10, 12);
            c.LineTo(12, 8);
            c.LineTo(20, 8);
            c.LineTo(22, 12);
            c.LineTo(16, 17);
            c.LineTo(16, 20);
            Bar(c, {15, 23, 18, 26}, clWhite);
            break;
        case TDialogIcon::diInformation:
            Disc(c, clBlue);
            Bar(c, {14, 7, 18, 11}, clWhite);
            Bar(c, {14, 13, 18, 25}, clWhite);
            break;
        case TDialogIcon::diNone: break;
    }
    c.Pen()->SetWidth(1);
}

TDialogIcon DialogIconOfFlags(unsigned flags) {
    switch (flags & 0xF0) {
        case MB_ICONERROR: return TDialogIcon::diError;
        case MB_ICONWARNING: return TDialogIcon::diWarning;
        case MB_ICONQUESTION: return TDialogIcon::diQuestion;
        case MB_ICONINFORMATION: return TDialogIcon::diInformation;
        default: return TDialogIcon::diNone;
    }
}
