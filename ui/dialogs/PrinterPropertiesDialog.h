#pragma once
// The printer's properties as our own modal form: paper, orientation,
// two-sided printing and tray, from what the printer offers (the standard
// papers for printing into a file). OK gives the printer the new mode.

class TPrinter;

// True when the mode was changed.
bool EditPrinterProperties(TPrinter& printer);
