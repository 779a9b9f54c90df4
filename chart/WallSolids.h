#pragma once
// Flat faces and boxes in a chart's 3D space, projected through the canvas
// and drawn with its pen and brush: the shapes walls are made of. Faces of a
// box turned away from the viewer are left out.

#include "chart/ChartTypes.h"

class TCanvas3D;

// The rectangle standing at depth z.
void RectangleWithZ(TCanvas3D& canvas, const TRect& rect, int z);
// A horizontal plane at y, across the depth from z0 to z1.
void HorizontalRect3D(TCanvas3D& canvas, int left, int y, int right, int z0, int z1);
// A vertical plane at x, across the depth from z0 to z1.
void DepthRect3D(TCanvas3D& canvas, int x, int top, int bottom, int z0, int z1);
// A box; with darkSides its side faces are darker than its front and its
// top and bottom a little darker.
void Cube(TCanvas3D& canvas, int left, int right, int top, int bottom, int z0, int z1, bool darkSides);
