#include "viewer/mainform/PictureFileChoice.h"

#include "ui/core/TextCase.h"

#include <filesystem>

TPictureFileChoice ChoosePictureFile(const std::string& typedName, int filterIndex) {
    const std::string extension = std::filesystem::path(typedName).extension().string();
    if (AnsiSameText(extension, ".png")) return {typedName, TPictureFileFormat::Png};
    if (AnsiSameText(extension, ".jpg") || AnsiSameText(extension, ".jpeg")) return {typedName, TPictureFileFormat::Jpeg};
    if (filterIndex == kJpegFilterIndex) return {typedName + ".jpeg", TPictureFileFormat::Jpeg};
    return {typedName + ".png", TPictureFileFormat::Png};
}
