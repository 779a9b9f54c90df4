#pragma once
// The forms of an image value in a skin's options and the records they make.

#include "skin/core/data/SkinRecords.h"

#include <optional>
#include <string>

enum class TSkImageForm { None, MasterBorder, MasterGlyph, MasterTexture, OwnImage, OlderMaster, OlderOwnImage, Jpeg };

struct TSkImageValue {
    TSkImageForm Form = TSkImageForm::None;
    TSkMaskData Record;
    // Own images: the file or package item the picture comes from.
    std::string FileName;
    // "!" values with fewer than 5 fields, and the older own-image form:
    // the border widths follow from the picture's size.
    bool BordersFromPicture = false;
};

TSkImageForm ImageFormOf(const std::string& value);
// The record a value describes, with Section and Key set (upper-cased for
// the older forms). The positional fields of "^", "@" and "~" convert
// strictly and raise EConvertError; "!" and "#" fields that are not
// integers count as 0. Nothing for values that are no image or an "!"
// value whose file is neither ".BMP" nor ".PNG".
std::optional<TSkImageValue> ParseImageValue(const std::string& section, const std::string& key,
                                             const std::string& value);
// Widths from the picture's size: a third of a frame's width and of a row's height.
void SetBordersFromPicture(TSkMaskData& record, int pictureWidth, int pictureHeight);
// Geometry repairs once the picture is known: the stretch flag of old
// skins and zero borders.
void CompleteBorderGeometry(TSkImageForm form, TSkMaskData& record, double version);
