#pragma once
// The small pictures of the menu items "Открыть файл", "Печать" and
// "Выход", drawn from text patterns.

class TCustomImageList;

enum MenuGlyph { kOpenFileGlyph, kPrintGlyph, kExitGlyph };

// Fills a 16 x 16 list with the three glyphs, in the order of MenuGlyph.
void AddMenuGlyphs(TCustomImageList& images);
