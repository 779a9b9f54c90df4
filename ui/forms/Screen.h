#pragma once
// The screen: the forms that exist, the active one, the cursor shown over
// the whole program, the cursor shapes by number, and the screen's sizes.

#include "ui/core/Component.h"
#include "ui/forms/Control.h"

#include "platform/window/Cursors.h"

#include <map>
#include <vector>

class TCustomForm;

class TScreen : public TComponent {
    DECLARE_CLASS_INFO
public:
    explicit TScreen(TComponent* owner);

    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)); }
    TCustomForm* ActiveForm() const { return activeForm_; }
    TWinControl* ActiveControl() const;

    // crDefault lets each control's own cursor show.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    // The shape of a cursor number; unknown numbers give the arrow.
    platform::HCURSOR Cursors(TCursor cursor) const;
    // A null shape removes the number's own shape.
    void SetCursors(TCursor cursor, platform::HCURSOR shape) {
        if (shape)
            custom_[cursor] = shape;
        else
            custom_.erase(cursor);
    }

    // The system's fonts of menus and of hints (its status-line font).
    TFont* MenuFont();
    TFont* HintFont();

    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int PixelsPerInch = 96;

    // Forms register themselves.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form) { activeForm_ = form; }

private:
    std::vector<TCustomForm*> forms_;
    TCustomForm* activeForm_ = nullptr;
    TCursor cursor_ = crDefault;
    std::map<TCursor, platform::HCURSOR> custom_;
    TFont menuFont_, hintFont_;
    bool fontsRead_ = false;
};

extern TScreen* Screen;
