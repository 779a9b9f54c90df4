#pragma once
// The font every report object and highlight starts with: Arial, 10 points
// at 96 pixels per inch, the default character set.

#include "ui/graphics/Colors.h"

class TFont;

void SetReportFontDefaults(TFont& font, TColor color);
