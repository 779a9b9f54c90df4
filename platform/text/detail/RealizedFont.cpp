#include "platform/text/detail/RealizedFont.h"

#include "platform/system/Angles.h"
#include "platform/text/FontMatching.h"
#include "platform/text/detail/FontFile.h"

#include FT_OUTLINE_H
#include FT_SIZES_H

#include <algorithm>
#include <cmath>
#include <list>
#include <map>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace platform {
namespace {

constexpr double kDefaultCellHeight = 16;
constexpr double kMaxEmPixels = 2048;  // larger asks are drawn at this size
constexpr double kSlantShear = 0.2;    // synthetic italic
constexpr std::size_t kCachedFonts = 64;
constexpr std::string_view kFallbackFamily = "DejaVu Sans";

struct SizedFace {
    std::shared_ptr<FontFile> file;
    FT_Size size = nullptr;
    bool embolden = false;
    bool slant = false;
};

struct GlyphEntry {
    int advance = 0;
    bool exists = false;
    bool rendered = false;
    CoverageMask mask;
};

FT_Fixed ToFixed(double value) { return static_cast<FT_Fixed>(std::lround(value * 65536.0)); }

int RoundPixels(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

struct RealizedFont::Impl {
    SymbolGlyphSet symbols = SymbolGlyphSet::None;
    SizedFace primary;
    std::optional<SizedFace> fallback;
    double emX = 0;
    double emY = 0;
    double angle = 0;
    mutable std::mutex lock;
    mutable std::unordered_map<char32_t, GlyphEntry> glyphs;

    ~Impl() {
        std::lock_guard guard(FreeTypeLock());
        if (primary.size) FT_Done_Size(primary.size);
        if (fallback && fallback->size) FT_Done_Size(fallback->size);
    }

    int LoadFlags() const;
    void Resize();
    std::pair<int, int> InkExtremes() const;
    GlyphEntry& Entry(char32_t code) const;
    void Render(char32_t code, GlyphEntry& entry) const;
    void RenderSymbol(char32_t code, GlyphEntry& entry) const;
    const SizedFace* FaceFor(char32_t code, FT_UInt& index) const;
    bool antialias = true;
};

namespace {

// Sets the face's own size object to the font's size (made on first use);
// false when FreeType refuses.
bool SizeFace(SizedFace& face, double emX, double emY) {
    std::lock_guard guard(FreeTypeLock());
    FT_Face ftFace = face.file->Face();
    if (!face.size && FT_New_Size(ftFace, &face.size) != 0) {
        face.size = nullptr;
        return false;
    }
    FT_Activate_Size(face.size);
    return FT_Set_Char_Size(ftFace, static_cast<FT_F26Dot6>(std::lround(emX * 64)),
                            static_cast<FT_F26Dot6>(std::lround(emY * 64)), 72, 72) == 0;
}

std::optional<SizedFace> OpenSized(const FontFileMatch& match, double emX, double emY) {
    SizedFace face;
    face.file = FontFile::Open(match.path, match.faceIndex);
    if (!face.file) return std::nullopt;
    face.embolden = match.embolden;
    face.slant = match.slant;
    if (!SizeFace(face, emX, emY)) {
        if (face.size) {
            std::lock_guard guard(FreeTypeLock());
            FT_Done_Size(face.size);
        }
        return std::nullopt;
    }
    return face;
}

}  // namespace

int RealizedFont::Impl::LoadFlags() const {
    return FT_LOAD_NO_BITMAP | (antialias ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
}

void RealizedFont::Impl::Resize() {
    for (SizedFace* face : {&primary, fallback ? &*fallback : nullptr}) {
        if (face && face->size) SizeFace(*face, emX, emY);
    }
}

// The highest and lowest ink of the letters the program writes (Latin,
// Cyrillic, digits and signs), in whole pixels above and below the baseline.
std::pair<int, int> RealizedFont::Impl::InkExtremes() const {
    std::lock_guard guard(FreeTypeLock());
    FT_Face face = primary.file->Face();
    FT_Activate_Size(primary.size);
    FT_Set_Transform(face, nullptr, nullptr);
    FT_Pos top = 0, bottom = 0;
    auto measure = [&](char32_t code) {
        FT_UInt index = FT_Get_Char_Index(face, code);
        if (index == 0 || FT_Load_Glyph(face, index, LoadFlags()) != 0) return;
        if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return;
        FT_BBox box;
        FT_Outline_Get_CBox(&face->glyph->outline, &box);
        top = std::max(top, box.yMax);
        bottom = std::min(bottom, box.yMin);
    };
    for (char32_t code = 0x21; code < 0x7F; ++code) measure(code);
    for (char32_t code = 0x401; code <= 0x45F; ++code) measure(code);
    return {static_cast<int>((top + 63) / 64), static_cast<int>((-bottom + 63) / 64)};
}

const SizedFace* RealizedFont::Impl::FaceFor(char32_t code, FT_UInt& index) const {
    index = FT_Get_Char_Index(primary.file->Face(), code);
    if (index != 0 || !fallback) return &primary;
    FT_UInt fallbackIndex = FT_Get_Char_Index(fallback->file->Face(), code);
    if (fallbackIndex == 0) return &primary;  // the primary face's missing-glyph box
    index = fallbackIndex;
    return &*fallback;
}

GlyphEntry& RealizedFont::Impl::Entry(char32_t code) const {
    auto found = glyphs.find(code);
    if (found != glyphs.end()) return found->second;
    GlyphEntry entry;
    if (code < 0x20 || code == 0x7F) {
        entry.rendered = true;  // control characters take no room and show nothing
    } else if (symbols != SymbolGlyphSet::None) {
        entry.advance = RoundPixels(emX);
        entry.exists = !SymbolGlyphShape(symbols, code).empty();
    } else {
        std::lock_guard guard(FreeTypeLock());
        FT_UInt index = 0;
        const SizedFace* face = FaceFor(code, index);
        entry.exists = index != 0;
        FT_Face ftFace = face->file->Face();
        FT_Activate_Size(face->size);
        FT_Set_Transform(ftFace, nullptr, nullptr);
        if (FT_Load_Glyph(ftFace, index, LoadFlags()) == 0) {
            entry.advance = static_cast<int>((ftFace->glyph->advance.x + 32) >> 6) + (face->embolden ? 1 : 0);
        }
    }
    return glyphs.emplace(code, std::move(entry)).first->second;
}

void RealizedFont::Impl::RenderSymbol(char32_t code, GlyphEntry& entry) const {
    double c = std::cos(angle), s = std::sin(angle);
    std::vector<std::vector<PointF>> polygons;
    for (const auto& shape : SymbolGlyphShape(symbols, code)) {
        std::vector<PointF> polygon;
        for (PointF p : shape) {
            double x = p.x * emX, y = (p.y - kSymbolAscent) * emY;
            polygon.push_back({x * c + y * s, -x * s + y * c});
        }
        polygons.push_back(std::move(polygon));
    }
    entry.mask = RasterisePolygons(polygons, antialias);
}

void RealizedFont::Impl::Render(char32_t code, GlyphEntry& entry) const {
    entry.rendered = true;
    if (code < 0x20 || code == 0x7F) return;
    if (symbols != SymbolGlyphSet::None) {
        RenderSymbol(code, entry);
        return;
    }
    std::lock_guard guard(FreeTypeLock());
    FT_UInt index = 0;
    const SizedFace* face = FaceFor(code, index);
    FT_Face ftFace = face->file->Face();
    FT_Activate_Size(face->size);
    FT_Set_Transform(ftFace, nullptr, nullptr);
    if (FT_Load_Glyph(ftFace, index, LoadFlags()) != 0) return;
    FT_GlyphSlot slot = ftFace->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (face->embolden) FT_Outline_EmboldenXY(&slot->outline, 64, 0);
        double c = std::cos(angle), s = std::sin(angle);
        double shear = face->slant ? kSlantShear : 0;
        // Slant first, then turn (font space: y up, counter-clockwise).
        FT_Matrix matrix{ToFixed(c), ToFixed(c * shear - s), ToFixed(s), ToFixed(s * shear + c)};
        if (angle != 0 || shear != 0) FT_Outline_Transform(&slot->outline, &matrix);
    }
    if (FT_Render_Glyph(slot, antialias ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0) return;
    const FT_Bitmap& bitmap = slot->bitmap;
    CoverageMask& mask = entry.mask;
    mask.left = slot->bitmap_left;
    mask.top = -slot->bitmap_top;
    mask.width = static_cast<int>(bitmap.width);
    mask.height = static_cast<int>(bitmap.rows);
    mask.coverage.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
    for (int y = 0; y < mask.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < mask.width; ++x) {
            std::uint8_t value = 0;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                value = (row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0;
            } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
                value = static_cast<std::uint8_t>(row[x] * 255 / std::max(1, bitmap.num_grays - 1));
            }
            mask.coverage[static_cast<std::size_t>(y) * mask.width + x] = value;
        }
    }
}

RealizedFont::RealizedFont(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

RealizedFont::~RealizedFont() = default;

const std::string& RealizedFont::FilePath() const {
    static const std::string none;
    return impl_->primary.file ? impl_->primary.file->Path() : none;
}

int RealizedFont::Advance(char32_t code) const {
    std::lock_guard guard(impl_->lock);
    return impl_->Entry(code).advance;
}

const CoverageMask& RealizedFont::Glyph(char32_t code) const {
    std::lock_guard guard(impl_->lock);
    GlyphEntry& entry = impl_->Entry(code);
    if (!entry.rendered) impl_->Render(code, entry);
    return entry.mask;  // entries are never removed while the font lives
}

bool RealizedFont::HasGlyph(char32_t code) const {
    std::lock_guard guard(impl_->lock);
    return impl_->Entry(code).exists;
}

std::shared_ptr<const RealizedFont> RealizedFont::Get(const FontSpec& spec) {
    static std::mutex lock;
    static std::list<std::pair<FontSpec, std::shared_ptr<const RealizedFont>>> recent;  // most recent first
    {
        std::lock_guard guard(lock);
        for (auto it = recent.begin(); it != recent.end(); ++it) {
            if (it->first == spec) {
                recent.splice(recent.begin(), recent, it);
                return recent.front().second;
            }
        }
    }
    auto made = Build(spec);
    if (!made) return nullptr;
    std::lock_guard guard(lock);
    recent.emplace_front(spec, made);
    if (recent.size() > kCachedFonts) recent.pop_back();
    return made;
}

std::shared_ptr<const RealizedFont> RealizedFont::Build(const FontSpec& spec) {
    auto impl = std::make_unique<Impl>();
    impl->symbols = SymbolGlyphSetFor(spec.faceName);
    impl->antialias = spec.antialias;
    int weight = spec.weight <= 0 ? 400 : std::clamp(spec.weight, 1, 1000);

    // Design metrics of the cell, in units of the em.
    double ascentUnits = kSymbolAscent, descentUnits = 1 - kSymbolAscent, gapUnits = 0;
    double averageUnits = 1, maxUnits = 1;
    double underlineUnits = 0.1, underlineThicknessUnits = 0.05, strikeUnits = 0.3, strikeSizeUnits = 0.05;
    FontMetrics metrics;
    std::optional<FontFileMatch> match;
    if (impl->symbols == SymbolGlyphSet::None) {
        match = MatchFontFile(spec.faceName, weight, spec.italic);
        if (!match) return nullptr;
        impl->primary.file = FontFile::Open(match->path, match->faceIndex);
        if (!impl->primary.file) return nullptr;
        const FontDesignMetrics& design = impl->primary.file->Design();
        double em = design.unitsPerEm;
        ascentUnits = design.winAscent / em;
        descentUnits = design.winDescent / em;
        gapUnits = design.lineGap / em;
        averageUnits = design.averageCharWidth / em;
        maxUnits = design.maxCharWidth / em;
        underlineUnits = -design.underlinePosition / em;
        underlineThicknessUnits = design.underlineThickness / em;
        strikeUnits = (design.strikeoutPosition - design.strikeoutSize / 2.0) / em;
        strikeSizeUnits = design.strikeoutSize / em;
        metrics.unitsPerEm = design.unitsPerEm;
        metrics.fixedPitch = design.fixedPitch;
        metrics.serif = design.serif;
    }

    double emY = spec.height < 0 ? -spec.height
                 : spec.height > 0 ? spec.height / (ascentUnits + descentUnits)
                                   : kDefaultCellHeight / (ascentUnits + descentUnits);
    emY = std::clamp(emY, 1.0, kMaxEmPixels);
    double stretch = spec.width > 0 && averageUnits > 0 ? spec.width / (averageUnits * emY) : 1.0;
    stretch = std::clamp(stretch, 0.05, 20.0);
    impl->emY = emY;
    impl->emX = std::clamp(emY * stretch, 1.0, kMaxEmPixels);
    int tenths = ((spec.escapement % 3600) + 3600) % 3600;
    impl->angle = DegreesToRadians(tenths / 10.0);

    if (impl->primary.file) {
        auto sized = OpenSized(*match, impl->emX, impl->emY);
        if (!sized) return nullptr;
        impl->primary = std::move(*sized);
        if (match->family != kFallbackFamily) {
            if (auto fallbackMatch = MatchFontFile(kFallbackFamily, weight, spec.italic)) {
                impl->fallback = OpenSized(*fallbackMatch, impl->emX, impl->emY);
            }
        }
    }

    auto cell = [&] {
        int ascent = RoundPixels(ascentUnits * impl->emY);
        int descent = RoundPixels(descentUnits * impl->emY);
        if (impl->primary.file) {
            // As the system does with its per-size tables, the cell grows to
            // hold every letter the program writes (accented Cyrillic
            // capitals reach above the design ascent at small sizes).
            auto [top, bottom] = impl->InkExtremes();
            ascent = std::max(ascent, top);
            descent = std::max(descent, bottom);
        }
        return std::make_pair(ascent, descent);
    };
    // Plain variables: lambdas below capture them, which clang 14 refuses for structured bindings.
    auto cellSize = cell();
    auto ascent = cellSize.first, descent = cellSize.second;
    // A cell height is a limit: the largest em whose cell fits in it.
    double wantedCell = spec.height > 0 ? spec.height : spec.height == 0 ? kDefaultCellHeight : 0;
    if (wantedCell > 0 && ascent + descent > wantedCell) {
        double ratio = impl->emX / impl->emY;
        double fits = 1, tooLarge = impl->emY;
        auto tryEm = [&](double em) {
            impl->emY = em;
            impl->emX = std::max(1.0, em * ratio);
            impl->Resize();
            std::tie(ascent, descent) = cell();
            return ascent + descent <= wantedCell;
        };
        for (int step = 0; step < 8 && tooLarge - fits > 0.05; ++step) {
            double middle = (fits + tooLarge) / 2;
            (tryEm(middle) ? fits : tooLarge) = middle;
        }
        tryEm(fits);
    }
    emY = impl->emY;
    metrics.emPixels = emY;
    metrics.ascent = ascent;
    metrics.descent = descent;
    metrics.height = metrics.ascent + metrics.descent;
    metrics.internalLeading = std::max(0, metrics.height - RoundPixels(emY));
    metrics.externalLeading = RoundPixels(gapUnits * emY);
    metrics.aveCharWidth = std::max(1, RoundPixels(averageUnits * impl->emX));
    metrics.maxCharWidth = std::max(1, RoundPixels(maxUnits * impl->emX));
    metrics.weight = weight;
    metrics.underlineThickness = std::max(1, RoundPixels(underlineThicknessUnits * emY));
    metrics.underlinePosition = std::max(1, RoundPixels(underlineUnits * emY));
    metrics.strikeoutThickness = std::max(1, RoundPixels(strikeSizeUnits * emY));
    metrics.strikeoutPosition = RoundPixels(strikeUnits * emY);

    std::shared_ptr<RealizedFont> font(new RealizedFont(std::move(impl)));
    font->spec_ = spec;
    font->metrics_ = metrics;
    font->angle_ = font->impl_->angle;
    font->family_ = match ? match->family : spec.faceName;
    return font;
}

}  // namespace platform
