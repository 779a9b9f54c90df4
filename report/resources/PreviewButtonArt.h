#pragma once
// The preview window's 25 button pictures, drawn by the program itself:
// one strip of 16 x 16 pictures on silver, which is their transparent colour:
// open, save, print, export, find, thumbnails, (empty), page settings, first,
// prior, next, last, outline, collapse, expand, zoom in, zoom out, (empty),
// (empty), new page, delete page, edit, full screen, e-mail, PDF.

class TBitmap;

inline constexpr int kPreviewButtonSize = 16;
inline constexpr int kPreviewButtonCount = 25;

// A 400 x 16 bitmap of 24 bits a pixel.
void DrawPreviewButtons(TBitmap& strip);
