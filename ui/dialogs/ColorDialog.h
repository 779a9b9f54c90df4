#pragma once
// The colour dialog as our own modal form: the 48 basic colours, 16
// custom ones, a swatch, red, green, blue and hexadecimal editors, and a
// button that puts the current colour into the next custom cell. Color
// changes only on OK; CustomColors takes the custom cells whatever the
// answer, one colour a line as six hexadecimal digits RRGGBB.

#include "ui/core/Set.h"
#include "ui/core/StringList.h"
#include "ui/dialogs/CommonDialog.h"
#include "ui/graphics/Colors.h"

#include <optional>
#include <string>
#include <string_view>

enum class TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = TSet<TColorDialogOption>;

// "RRGGBB" (or "Name=RRGGBB") as a colour; nothing for anything else.
std::optional<TColor> ColorFromHex(std::string_view text);
std::string ColorToHex(TColor color);

class TColorDialog : public TCommonDialog {
    DECLARE_CLASS_INFO
public:
    explicit TColorDialog(TComponent* owner);

    TColor Color = clBlack;
    TStrings* CustomColors() { return &customColors_; }
    TColorDialogOptions Options;

    bool Execute() override;

private:
    TStringList customColors_;
};
