#pragma once
// While a settings window is open, a left button press anywhere in the
// program over something that is not a decimal spin edit, check box or
// button takes the focus from the spin edit being typed in that window, so
// its typed value is applied. Each window registers its own release; one
// window's closing never removes another's, and the application's own
// message handler keeps running beneath them.

class TCustomForm;
class TWinControl;

// `target` takes the focus from an edit of `window`.
void RegisterEditFocusRelease(TCustomForm* window, TWinControl* target);
void UnregisterEditFocusRelease(TCustomForm* window);
