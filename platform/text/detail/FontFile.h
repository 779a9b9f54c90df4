#pragma once
// One opened font file (a FreeType face), shared by every font made from it,
// with the design metrics the text metrics are made of.
//
// FreeType objects are not thread-safe: every call into FreeType runs under
// FreeTypeLock().

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <mutex>
#include <string>

namespace platform {

std::mutex& FreeTypeLock();
FT_Library FreeTypeLibrary();  // call under the lock

// Design metrics in font units.
struct FontDesignMetrics {
    int unitsPerEm = 2048;
    int winAscent = 0;  // the cell above the baseline
    int winDescent = 0;
    int lineGap = 0;    // the family's recommended extra space between lines
    int averageCharWidth = 0;
    int maxCharWidth = 0;
    int underlinePosition = 0;  // negative: below the baseline
    int underlineThickness = 0;
    int strikeoutPosition = 0;
    int strikeoutSize = 0;
    int weight = 400;
    bool fixedPitch = false;
    bool serif = false;
};

class FontFile {
public:
    // Opened once per path and face index while anyone holds it; null when
    // the file cannot be read as a font.
    static std::shared_ptr<FontFile> Open(const std::string& path, int faceIndex);

    ~FontFile();
    FontFile(const FontFile&) = delete;
    FontFile& operator=(const FontFile&) = delete;

    FT_Face Face() const { return face_; }
    const FontDesignMetrics& Design() const { return design_; }
    const std::string& Path() const { return path_; }

private:
    FontFile(FT_Face face, std::string path);
    FT_Face face_;
    std::string path_;
    FontDesignMetrics design_;
};

}  // namespace platform
