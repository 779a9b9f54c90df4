#pragma once
// The filters of file dialogs: "Log file|*.log|Any file|*.*" pairs of a
// description and masks separated by ';', matched without regard to case.

#include <string>
#include <string_view>
#include <vector>

struct TFileFilterEntry {
    std::string Description;
    std::vector<std::string> Masks;
};

// A description without masks after it is left out; an empty filter has no entries.
std::vector<TFileFilterEntry> ParseFileFilter(std::string_view filter);
// '*' stands for any run of characters, '?' for one; "*.*" matches names
// without a dot too.
bool MatchesFileMask(std::string_view name, std::string_view mask);
bool MatchesAnyMask(std::string_view name, const std::vector<std::string>& masks);
// A default extension as the dialogs keep it: "*.kml", ".kml" and "kml" are "kml".
std::string NormalizeDefaultExt(std::string_view ext);
