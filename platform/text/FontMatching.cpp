#include "platform/text/FontMatching.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace platform {
namespace {

constexpr std::string_view kDefaultFamily = "Liberation Sans";
constexpr std::string_view kLastResortFamily = "DejaVu Sans";

// Face names the program's windows, charts and reports ask for.
struct Substitute {
    std::string_view faceName;  // lower case
    std::string_view family;
};
constexpr Substitute kSubstitutes[] = {
    // Metric-compatible families.
    {"arial", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},
    {"ms sans serif", "Liberation Sans"},
    {"microsoft sans serif", "Liberation Sans"},
    {"ms shell dlg", "Liberation Sans"},
    {"ms shell dlg 2", "Liberation Sans"},
    {"system", "Liberation Sans"},
    {"small fonts", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"times", "Liberation Serif"},
    {"ms serif", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
    {"fixedsys", "Liberation Mono"},
    // Families without a metric-compatible twin: the nearest DejaVu shape.
    // Tahoma is narrow, Verdana wide.
    {"tahoma", "DejaVu Sans Condensed"},
    {"verdana", "DejaVu Sans"},
    {"segoe ui", "DejaVu Sans"},
    {"trebuchet ms", "DejaVu Sans"},
    {"lucida sans unicode", "DejaVu Sans"},
    {"georgia", "DejaVu Serif"},
    {"palatino linotype", "DejaVu Serif"},
    {"book antiqua", "DejaVu Serif"},
    {"lucida console", "DejaVu Sans Mono"},
    {"consolas", "DejaVu Sans Mono"},
    // Symbol letters (Greek) come from DejaVu; the picture fonts are drawn
    // as vector shapes and never reach a file.
    {"symbol", "DejaVu Sans"},
};

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return std::string(text);
}

FcConfig* Config() {
    static std::unique_ptr<FcConfig, decltype(&FcConfigDestroy)> config(FcInitLoadConfigAndFonts(),
                                                                         &FcConfigDestroy);
    return config.get();
}

bool HasFamily(const FcPattern* font, std::string_view family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (Lower(reinterpret_cast<const char*>(name)) == Lower(family)) return true;
    }
    return false;
}

// Fonts the system's packages installed; files a user dropped into a home
// folder would make the choice differ from one account to the next.
bool IsSystemFontFile(std::string_view path) {
    return path.starts_with("/usr/share/fonts/") || path.starts_with("/usr/local/share/fonts/");
}

// The file fontconfig ranks first inside one family; empty when the family
// is not installed with Cyrillic letters.
std::optional<FontFileMatch> MatchInFamily(std::string_view family, int weight, bool italic) {
    FcConfig* config = Config();
    if (!config) return std::nullopt;
    FcPattern* pattern = FcPatternCreate();
    std::string familyText(family);
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(familyText.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ru"));
    // Only the defaults are filled in: the user's own aliases stay out.
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* sorted = FcFontSort(config, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    if (!sorted) return std::nullopt;

    std::optional<FontFileMatch> match;
    for (int i = 0; i < sorted->nfont && !match; ++i) {
        FcPattern* font = sorted->fonts[i];
        FcChar8* file = nullptr;
        FcLangSet* langs = nullptr;
        bool cyrillic = FcPatternGetLangSet(font, FC_LANG, 0, &langs) == FcResultMatch &&
                        FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ru")) == FcLangEqual;
        if (!HasFamily(font, family) || !cyrillic || FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch ||
            !IsSystemFontFile(reinterpret_cast<const char*>(file))) {
            continue;
        }
        match.emplace();
        match->path = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(font, FC_INDEX, 0, &match->faceIndex);
        match->family = familyText;
        int fileWeight = FC_WEIGHT_REGULAR;
        int fileSlant = FC_SLANT_ROMAN;
        FcPatternGetInteger(font, FC_WEIGHT, 0, &fileWeight);
        FcPatternGetInteger(font, FC_SLANT, 0, &fileSlant);
        match->embolden = weight >= 600 && fileWeight < FC_WEIGHT_DEMIBOLD;
        match->slant = italic && fileSlant == FC_SLANT_ROMAN;
    }
    FcFontSetDestroy(sorted);
    return match;
}

bool IsInstalledFamily(std::string_view family) { return MatchInFamily(family, 400, false).has_value(); }

}  // namespace

std::string InstalledFamilyFor(std::string_view faceName) {
    std::string key = Lower(Trimmed(faceName));
    for (const auto& entry : kSubstitutes) {
        if (entry.faceName == key) return std::string(entry.family);
    }
    std::string trimmed = Trimmed(faceName);
    if (!trimmed.empty() && IsInstalledFamily(trimmed)) return trimmed;
    return std::string(kDefaultFamily);
}

std::optional<FontFileMatch> MatchFontFile(std::string_view faceName, int weight, bool italic) {
    if (weight <= 0) weight = 400;
    weight = std::clamp(weight, 1, 1000);
    static std::mutex lock;
    static std::map<std::tuple<std::string, int, bool>, std::optional<FontFileMatch>> known;
    auto key = std::make_tuple(Lower(Trimmed(faceName)), weight, italic);
    std::lock_guard guard(lock);
    if (auto found = known.find(key); found != known.end()) return found->second;

    std::optional<FontFileMatch> match;
    for (const std::string& family : {InstalledFamilyFor(faceName), std::string(kDefaultFamily),
                                      std::string(kLastResortFamily)}) {
        match = MatchInFamily(family, weight, italic);
        if (match) break;
    }
    known.emplace(key, match);
    return match;
}

}  // namespace platform
