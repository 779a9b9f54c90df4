#include "report/resources/PreviewButtonArt.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include <array>
#include <functional>
#include <vector>

namespace {

constexpr TColor kPaper = clWhite;
constexpr TColor kInk = clBlack;
constexpr TColor kFolder = 0x00C0FF;  // a warm yellow
constexpr TColor kArrow = clNavy;
constexpr TColor kLens = 0xFFE0C0;    // pale blue glass

// Draws one picture with its top-left corner at (x, 0); the bottom-left
// pixel of each picture is left silver, as it names the transparent colour.
class Pen {
public:
    Pen(TCanvas& canvas, int x) : c_(canvas), x_(x) {}

    void Line(int x1, int y1, int x2, int y2, TColor color, int width = 1) {
        c_.Pen()->SetColor(color);
        c_.Pen()->SetWidth(width);
        c_.MoveTo(x_ + x1, y1);
        c_.LineTo(x_ + x2, y2);
        c_.Pen()->SetWidth(1);
    }
    void Box(int x1, int y1, int x2, int y2, TColor fill, TColor edge = kInk) {
        c_.Pen()->SetColor(edge);
        c_.Brush()->SetColor(fill);
        c_.Rectangle(x_ + x1, y1, x_ + x2, y2);
    }
    void Shape(std::vector<TPoint> points, TColor fill, TColor edge = kInk) {
        for (TPoint& p : points) p.X += x_;
        c_.Pen()->SetColor(edge);
        c_.Brush()->SetColor(fill);
        c_.Polygon(points);
    }
    void Ring(int x1, int y1, int x2, int y2, TColor fill, TColor edge = kInk) {
        c_.Pen()->SetColor(edge);
        c_.Brush()->SetColor(fill);
        c_.Ellipse(x_ + x1, y1, x_ + x2, y2);
    }
    // A sheet with a folded corner.
    void Sheet(TColor fill = kPaper) {
        Shape({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}, fill);
        Line(10, 1, 10, 4, kInk);
        Line(10, 4, 13, 4, kInk);
    }
    // A magnifying glass; the sign inside: 0 none, '+' or '-'.
    void Lens(char sign) {
        Line(9, 9, 13, 13, kInk, 2);
        Ring(2, 2, 11, 11, kLens);
        if (sign) Line(4, 6, 9, 6, kInk);
        if (sign == '+') Line(6, 4, 6, 9, kInk);
    }
    // A solid triangle pointing left (-1) or right (+1) whose tip is at x.
    void Triangle(int tip, int direction) {
        Shape({{tip, 7}, {tip - 4 * direction, 3}, {tip - 4 * direction, 11}}, kArrow, kArrow);
    }
    void Stop(int x) { Box(x, 3, x + 2, 12, kArrow, kArrow); }

private:
    TCanvas& c_;
    int x_;
};

using Picture = std::function<void(Pen&)>;

const std::array<Picture, kPreviewButtonCount>& Pictures() {
    static const std::array<Picture, kPreviewButtonCount> pictures = {
        // open: an open folder
        [](Pen& p) {
            p.Shape({{1, 4}, {5, 4}, {6, 5}, {12, 5}, {12, 13}, {1, 13}}, kFolder);
            p.Shape({{3, 8}, {15, 8}, {12, 13}, {1, 13}}, 0x40E0FF);
        },
        // save: a diskette
        [](Pen& p) {
            p.Box(2, 2, 14, 14, clNavy);
            p.Box(4, 2, 12, 7, kPaper);
            p.Box(5, 10, 11, 14, clSilver);
        },
        // print: a printer with a sheet
        [](Pen& p) {
            p.Box(4, 1, 12, 7, kPaper);
            p.Box(1, 6, 15, 12, clSilver);
            p.Box(4, 10, 12, 15, kPaper);
            p.Line(12, 8, 14, 8, clLime);
        },
        // export: a sheet with an arrow leaving it
        [](Pen& p) {
            p.Sheet();
            p.Line(5, 9, 14, 9, kArrow, 2);
            p.Shape({{15, 9}, {11, 5}, {11, 13}}, kArrow, kArrow);
        },
        // find: a magnifying glass
        [](Pen& p) { p.Lens(0); },
        // thumbnails: four small pages
        [](Pen& p) {
            for (int x : {2, 9})
                for (int y : {2, 9}) p.Box(x, y, x + 6, y + 6, kPaper);
        },
        nullptr,
        // page settings: a sheet with a ruler along its foot
        [](Pen& p) {
            p.Sheet();
            p.Box(1, 10, 15, 14, kFolder);
            for (int x = 3; x < 14; x += 3) p.Line(x, 10, x, 12, kInk);
        },
        // first, prior, next, last
        [](Pen& p) {
            p.Stop(3);
            p.Triangle(6, -1);
            p.Triangle(10, -1);
        },
        [](Pen& p) { p.Triangle(5, -1); },
        [](Pen& p) { p.Triangle(11, 1); },
        [](Pen& p) {
            p.Triangle(6, 1);
            p.Triangle(10, 1);
            p.Stop(11);
        },
        // outline: a small tree
        [](Pen& p) {
            p.Line(4, 3, 4, 12, kInk);
            for (int y : {4, 8, 12}) {
                p.Line(4, y, 8, y, kInk);
                p.Box(8, y - 2, 14, y + 2, kPaper);
            }
        },
        // collapse and expand: a boxed minus and plus
        [](Pen& p) {
            p.Box(3, 3, 13, 13, kPaper);
            p.Line(5, 8, 11, 8, kInk);
        },
        [](Pen& p) {
            p.Box(3, 3, 13, 13, kPaper);
            p.Line(5, 8, 11, 8, kInk);
            p.Line(8, 5, 8, 11, kInk);
        },
        // zoom in and out
        [](Pen& p) { p.Lens('+'); },
        [](Pen& p) { p.Lens('-'); },
        nullptr,
        nullptr,
        // new page: a sheet with a green plus
        [](Pen& p) {
            p.Sheet();
            p.Line(5, 9, 11, 9, clGreen, 2);
            p.Line(8, 6, 8, 12, clGreen, 2);
        },
        // delete page: a sheet with a red cross
        [](Pen& p) {
            p.Sheet();
            p.Line(5, 6, 11, 12, clRed, 2);
            p.Line(11, 6, 5, 12, clRed, 2);
        },
        // edit: a pencil
        [](Pen& p) {
            p.Shape({{11, 1}, {14, 4}, {5, 13}, {2, 14}, {3, 11}}, kFolder);
            p.Line(3, 11, 5, 13, kInk);
        },
        // full screen: a frame with its corners marked
        [](Pen& p) {
            p.Box(2, 3, 14, 13, kPaper);
            for (auto [x, y, dx, dy] : std::array<std::array<int, 4>, 4>{
                     {{3, 4, 1, 1}, {12, 4, -1, 1}, {3, 11, 1, -1}, {12, 11, -1, -1}}}) {
                p.Line(x, y, x + 3 * dx, y, kArrow);
                p.Line(x, y, x, y + 3 * dy, kArrow);
            }
        },
        // e-mail: an envelope
        [](Pen& p) {
            p.Box(1, 4, 15, 13, kPaper);
            p.Line(1, 4, 8, 9, kInk);
            p.Line(8, 9, 15, 4, kInk);
        },
        // PDF: a sheet with a red band
        [](Pen& p) {
            p.Sheet();
            p.Box(2, 8, 12, 12, clRed, clMaroon);
        },
    };
    return pictures;
}

}  // namespace

void DrawPreviewButtons(TBitmap& strip) {
    strip.SetPixelFormat(TPixelFormat::pf24bit);
    strip.SetSize(kPreviewButtonSize * kPreviewButtonCount, kPreviewButtonSize);
    TCanvas& canvas = *strip.Canvas();
    canvas.Brush()->SetColor(clSilver);
    canvas.FillRect(TRect(0, 0, strip.Width(), strip.Height()));
    for (int i = 0; i < kPreviewButtonCount; ++i)
        if (const Picture& picture = Pictures()[static_cast<std::size_t>(i)]) {
            Pen pen(canvas, i * kPreviewButtonSize);
            picture(pen);
        }
    // The corner that names each picture's transparent colour stays silver.
    for (int i = 0; i < kPreviewButtonCount; ++i) canvas.SetPixel(i * kPreviewButtonSize, kPreviewButtonSize - 1, clSilver);
}
