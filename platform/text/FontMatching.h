#pragma once
// Windows face names to installed font files with Cyrillic letters.
//
// Each face name stands for one installed family: the metric-compatible
// Liberation family where one exists, DejaVu otherwise. The file is then
// chosen by fontconfig among that family's files alone, so the same name,
// weight and slant give the same file on every run of the same system.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct FontFileMatch {
    std::string path;
    int faceIndex = 0;
    std::string family;     // the installed family that was matched
    bool embolden = false;  // bold was asked and the file is not bold
    bool slant = false;     // italic was asked and the file is upright
};

// The installed family that draws a face name (case is ignored). Names of
// installed families stand for themselves; unknown names fall back to the
// family that draws "Arial".
std::string InstalledFamilyFor(std::string_view faceName);

// The file for a face name, weight (100..900; 0 = normal) and slant; empty
// when the system has no font with Cyrillic letters at all.
std::optional<FontFileMatch> MatchFontFile(std::string_view faceName, int weight, bool italic);

}  // namespace platform
