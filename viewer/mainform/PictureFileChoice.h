#pragma once
// Which format a picture is saved in, and under which name: the name's own
// extension decides (".png" PNG, ".jpg" or ".jpeg" JPEG, in any case), so a
// file's content always matches its name; a name with neither takes the
// format of the dialog's filter and that filter's extension.

#include <string>

enum class TPictureFileFormat { Png, Jpeg };

// The save dialog's filter indexes.
inline constexpr int kPngFilterIndex = 1;
inline constexpr int kJpegFilterIndex = 2;

struct TPictureFileChoice {
    std::string FileName;
    TPictureFileFormat Format = TPictureFileFormat::Png;
};

TPictureFileChoice ChoosePictureFile(const std::string& typedName, int filterIndex);
