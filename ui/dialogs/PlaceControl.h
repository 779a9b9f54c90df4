#pragma once
// The dialogs built in code put each of their controls in place the same
// way: made, named, parented and sized (a width or height of 0 keeps the
// control's own).

#include "ui/forms/Form.h"

#include <string>

template <class T>
T* PlaceControl(TWinControl* parent, TComponent* owner, const std::string& name, int left, int top, int width = 0,
                int height = 0) {
    auto* c = new T(owner);
    c->SetName(name);
    c->SetParent(parent);
    c->SetBounds(left, top, width ? width : c->Width(), height ? height : c->Height());
    return c;
}

// Straight on a form that also owns it.
template <class T>
T* PlaceControl(TForm* form, const std::string& name, int left, int top, int width = 0, int height = 0) {
    return PlaceControl<T>(form, form, name, left, top, width, height);
}
