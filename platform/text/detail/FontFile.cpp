#include "platform/text/detail/FontFile.h"

#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <map>
#include <utility>

namespace platform {

std::mutex& FreeTypeLock() {
    static std::mutex lock;
    return lock;
}

FT_Library FreeTypeLibrary() {
    // Lives for the whole process: faces may be released during exit.
    static FT_Library library = [] {
        FT_Library made = nullptr;
        if (FT_Init_FreeType(&made) != 0) return FT_Library{};
        return made;
    }();
    return library;
}

namespace {

FontDesignMetrics ReadDesign(FT_Face face) {
    FontDesignMetrics design;
    design.unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
    design.winAscent = face->ascender;
    design.winDescent = -face->descender;
    design.lineGap = std::max(0, face->height - (face->ascender - face->descender));
    design.maxCharWidth = face->max_advance_width;
    design.averageCharWidth = design.maxCharWidth / 2;
    design.underlinePosition = face->underline_position;
    design.underlineThickness = std::max<int>(face->underline_thickness, 1);
    design.strikeoutPosition = design.winAscent / 3;
    design.strikeoutSize = design.underlineThickness;
    design.fixedPitch = FT_IS_FIXED_WIDTH(face);
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)); os2 && os2->version != 0xFFFF) {
        // The system's cell is the OS/2 "win" box; the typographic line gap
        // is what is left of the family's line spacing beyond that cell.
        if (os2->usWinAscent + os2->usWinDescent > 0) {
            design.winAscent = os2->usWinAscent;
            design.winDescent = os2->usWinDescent;
        }
        auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
        if (hhea) {
            int hheaHeight = hhea->Ascender - hhea->Descender + hhea->Line_Gap;
            design.lineGap = std::max(0, hheaHeight - (design.winAscent + design.winDescent));
        }
        if (os2->xAvgCharWidth > 0) design.averageCharWidth = os2->xAvgCharWidth;
        if (os2->yStrikeoutSize > 0) {
            design.strikeoutPosition = os2->yStrikeoutPosition;
            design.strikeoutSize = os2->yStrikeoutSize;
        }
        design.weight = os2->usWeightClass;
        design.serif = (os2->sFamilyClass >> 8) >= 1 && (os2->sFamilyClass >> 8) <= 7;
    }
    return design;
}

struct OpenFiles {
    std::mutex lock;
    std::map<std::pair<std::string, int>, std::weak_ptr<FontFile>> files;
};

OpenFiles& Files() {
    static OpenFiles files;
    return files;
}

}  // namespace

FontFile::FontFile(FT_Face face, std::string path) : face_(face), path_(std::move(path)), design_(ReadDesign(face)) {}

FontFile::~FontFile() {
    std::lock_guard guard(FreeTypeLock());
    FT_Done_Face(face_);
}

std::shared_ptr<FontFile> FontFile::Open(const std::string& path, int faceIndex) {
    auto& files = Files();
    std::lock_guard guard(files.lock);
    auto key = std::make_pair(path, faceIndex);
    if (auto found = files.files.find(key); found != files.files.end()) {
        if (auto alive = found->second.lock()) return alive;
    }
    FT_Face face = nullptr;
    {
        std::lock_guard ftGuard(FreeTypeLock());
        FT_Library library = FreeTypeLibrary();
        if (!library || FT_New_Face(library, path.c_str(), faceIndex, &face) != 0) return nullptr;
        if (!FT_IS_SCALABLE(face)) {
            FT_Done_Face(face);
            return nullptr;
        }
    }
    std::shared_ptr<FontFile> file(new FontFile(face, path));
    files.files[key] = file;
    return file;
}

}  // namespace platform
