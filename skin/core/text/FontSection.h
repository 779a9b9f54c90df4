#pragma once
// Which section's font colour a text inside a control takes: a parent that
// gives its own font and is not mostly see-through.

class TControl;
class TSkinManager;

int FindFontSection(TControl* control, int defaultIndex, TSkinManager* manager, int state);
