#pragma once
// A memo's conditional look: while its condition holds, the memo takes this
// font and colour.

#include "ui/core/Persistent.h"
#include "ui/graphics/GraphicsObjects.h"

#include <string>

class TrpHighlight : public TPersistent {
    DECLARE_CLASS_INFO
public:
    TrpHighlight();

    // Set by the memo from the condition each time it fetches its data.
    bool Active = false;
    TFont* Font() { return &font_; }
    void SetFont(TFont* font) { font_.Assign(font); }
    TColor Color = clNone;
    // An expression of the report.
    std::string Condition;

    // Copies the font, colour and condition; whether it is active is the memo's own.
    void Assign(const TPersistent* source) override;

private:
    TFont font_;
};
