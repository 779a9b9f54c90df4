// Flat faces at a depth or across it, single pixels, and a picture laid on
// a plane, projected through the canvas.

#include "chart/canvas/Canvas3D.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include <cstdint>
#include <memory>
#include <vector>

void TCanvas3D::RectangleAtDepth(const TRect& r, int z) {
    DrawQuad({{r.Left, r.Top, z}, {r.Right, r.Top, z}, {r.Right, r.Bottom, z}, {r.Left, r.Bottom, z}});
}

void TCanvas3D::HorizontalRect3D(int left, int y, int right, int z0, int z1) {
    DrawQuad({{left, y, z0}, {right, y, z0}, {right, y, z1}, {left, y, z1}});
}

void TCanvas3D::DepthRect3D(int x, int top, int bottom, int z0, int z1) {
    DrawQuad({{x, top, z0}, {x, top, z1}, {x, bottom, z1}, {x, bottom, z0}});
}

void TCanvas3D::Plane(TPoint p1, TPoint p2, int z0, int z1) {
    DrawQuad({{p1.X, p1.Y, z0}, {p2.X, p2.Y, z0}, {p2.X, p2.Y, z1}, {p1.X, p1.Y, z1}});
}

void TCanvas3D::QuadAtDepth(TPoint p1, TPoint p2, TPoint p3, TPoint p4, int z) {
    DrawQuad({{p1.X, p1.Y, z}, {p2.X, p2.Y, z}, {p3.X, p3.Y, z}, {p4.X, p4.Y, z}});
}

void TCanvas3D::QuadBetweenDepths(const TPoint (&points)[4], int z0, int z1) {
    for (int i = 0; i < 4; ++i) storedQuad_[i] = ChartToScreenFloat(points[i].X, points[i].Y, i < 2 ? z0 : z1);
    DrawStoredQuad();
}

void TCanvas3D::PolygonOfPoints3D(const TPoint3D* points, int count) {
    if (count <= 0) return;
    std::vector<TPoint> projected;
    projected.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) projected.push_back(ChartToScreen(points[i].X, points[i].Y, points[i].Z));
    Polygon(projected);
}

void TCanvas3D::ColoredTriangle3D(const TPoint3D (&points)[3], const TColor (&colors)[3]) {
    if (Brush().Style() != TBrushStyle::bsClear) Brush().SetColor(colors[0]);
    PolygonOfPoints3D(points, 3);
}

void TCanvas3D::TriangleAtDepth(TPoint p1, TPoint p2, TPoint p3, int z) {
    const TPoint p[3] = {ChartToScreen(p1, z), ChartToScreen(p2, z), ChartToScreen(p3, z)};
    Polygon(p, 3);
}

void TCanvas3D::WritePixelAtDepth(int x, int y, int z, TColor color) {
    const TPoint p = ChartToScreen(x, y, z);
    if (Pen().Width() <= 1) {
        SetPixel(p.X, p.Y, color);
        return;
    }
    // A line of no length leaves a dot as wide as the pen.
    const TColor penColor = Pen().Color();
    Pen().SetColor(color);
    Line(p, p);
    Pen().SetColor(penColor);
}

void TCanvas3D::PictureOnPlane(const TRect& rect, TGraphic* graphic, int position, int plane) {
    if (!graphic || graphic->Width() <= 0 || graphic->Height() <= 0) return;
    auto* bitmap = dynamic_cast<TBitmap*>(graphic);
    std::unique_ptr<TBitmap> copy;
    if (!bitmap) {
        copy = std::make_unique<TBitmap>(graphic->Width(), graphic->Height(), TPixelFormat::pf24bit);
        copy->Canvas()->Draw(0, 0, graphic);
        bitmap = copy.get();
    }
    bitmap->SetPixelFormat(TPixelFormat::pf24bit);

    const int width = bitmap->Width();
    const int height = bitmap->Height();
    const double columnWidth = static_cast<double>(rect.Right - rect.Left) / width;
    const double rowHeight = static_cast<double>(rect.Bottom - rect.Top) / height;
    auto column = [&](int c) { return rect.Left + static_cast<int>(Round(c * columnWidth)); };
    auto row = [&](int r) { return rect.Top + static_cast<int>(Round(r * rowHeight)); };
    auto corner = [&](int across, int down) -> TPoint3D {
        switch (plane) {
            case 0: return {position, down, across};
            case 1: return {across, position, down};
            default: return {across, down, position};
        }
    };

    const TPenStyle penStyle = Pen().Style();
    Pen().SetStyle(TPenStyle::psClear);
    const TColor brushColor = Brush().Color();
    const TBrushStyle brushStyle = Brush().Style();
    Brush().SetStyle(TBrushStyle::bsSolid);
    for (int r = 0; r < height; ++r) {
        const auto* pixels = static_cast<const std::uint8_t*>(bitmap->ScanLine(r));
        const int top = row(r), bottom = row(r + 1);
        for (int c = 0; c < width; ++c) {
            const std::uint8_t* bgr = pixels + 3 * c;
            Brush().SetColor(static_cast<TColor>(bgr[2] | (bgr[1] << 8) | (bgr[0] << 16)));
            const int left = column(c), right = column(c + 1);
            DrawQuad({corner(left, top), corner(right, top), corner(right, bottom), corner(left, bottom)});
        }
    }
    Brush().SetStyle(brushStyle);
    Brush().SetColor(brushColor);
    Pen().SetStyle(penStyle);
}
