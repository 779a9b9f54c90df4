#include "skin/core/options/ImageValues.h"

#include "skin/core/utils/SkinText.h"

#include "ui/core/NumberConversion.h"
#include "ui/core/TextCase.h"

#include <algorithm>

namespace {

constexpr double kStretchRepairBefore = 7.4;
constexpr int kMaxImageKind = 4;
constexpr int kOwnImageFullFields = 5;
constexpr int kBorderThirds = 3;

// Columns are 1-based, as a skin author counts them.
std::int16_t Column(const std::string& value, int first, int last) {
    std::string field = first <= static_cast<int>(value.size()) ? value.substr(first - 1, last - first + 1) : "";
    return static_cast<std::int16_t>(StrToInt(field));
}

std::int16_t Lenient(const std::string& text) { return static_cast<std::int16_t>(StrToIntDef(text, 0)); }

platform::RECT RectAtColumns(const std::string& value) {
    return {Column(value, 2, 5), Column(value, 7, 10), Column(value, 12, 15), Column(value, 17, 20)};
}

std::vector<std::string> Split(const std::string& text, char delimiter) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(delimiter, start)) != std::string::npos; start = at + 1)
        fields.push_back(text.substr(start, at - start));
    fields.push_back(text.substr(start));
    return fields;
}

std::vector<std::int16_t> Numbers(const std::string& list) {
    TSkCharSet separators = MakeCharSet(" ,");
    std::vector<std::int16_t> numbers;
    for (int i = 1, n = CountWords(list, separators); i <= n; ++i) numbers.push_back(Lenient(NthWord(i, list, separators)));
    return numbers;
}

TSkImageValue MasterBorder(const std::string& value) {
    TSkImageValue v{TSkImageForm::MasterBorder, {}, {}, false};
    TSkMaskData& r = v.Record;
    r.SourceRect = RectAtColumns(value);
    r.BorderLeft = Column(value, 22, 25);
    r.BorderTop = Column(value, 27, 30);
    r.BorderRight = Column(value, 32, 35);
    r.BorderBottom = Column(value, 37, 40);
    r.FrameCount = Column(value, 42, 42);
    r.MaskMode = Column(value, 44, 44);
    r.DrawFlags = Column(value, 46, 46);
    r.BorderSize = Column(value, 48, 48);
    r.ImageKind = ikBorderMask;
    return v;
}

TSkImageValue MasterGlyph(const std::string& value) {
    TSkImageValue v{TSkImageForm::MasterGlyph, {}, {}, false};
    v.Record.SourceRect = RectAtColumns(value);
    v.Record.FrameCount = Column(value, 22, 22);
    v.Record.MaskMode = Column(value, 24, 24);
    v.Record.ImageKind = ikGlyph;
    return v;
}

TSkImageValue MasterTexture(const std::string& value) {
    constexpr std::size_t kWithMaskMode = 25;
    TSkImageValue v{TSkImageForm::MasterTexture, {}, {}, false};
    v.Record.SourceRect = RectAtColumns(value);
    v.Record.DrawFlags = Column(value, 22, 23);
    v.Record.MaskMode = value.size() >= kWithMaskMode ? Column(value, 25, 25) : 0;
    v.Record.FrameCount = 1;
    v.Record.ImageKind = ikTexture;
    return v;
}

std::optional<TSkImageValue> OwnImage(const std::string& value) {
    std::vector<std::string> fields = Split(value.substr(1), '!');
    const std::string& file = fields[0];
    if (file.find(".BMP") == std::string::npos && file.find(".PNG") == std::string::npos) return std::nullopt;
    TSkImageValue v{TSkImageForm::OwnImage, {}, file, false};
    TSkMaskData& r = v.Record;
    auto field = [&](std::size_t i) { return i < fields.size() ? Lenient(fields[i]) : std::int16_t{0}; };
    r.FrameCount = field(1);
    r.MaskMode = field(2);
    r.ImageKind = static_cast<std::uint8_t>(std::clamp<int>(field(3), 0, kMaxImageKind));
    if (fields.size() < kOwnImageFullFields) {
        v.BordersFromPicture = true;
    } else {
        r.BorderLeft = field(4);
        r.BorderTop = field(5);
        r.BorderRight = field(6);
        r.BorderBottom = field(7);
    }
    r.DrawFlags = fields.size() > 8 ? field(8) : std::int16_t{1};
    return v;
}

TSkImageValue OlderMaster(const std::string& value) {
    TSkCharSet wordBreaks = MakeCharSet(" ()");
    std::vector<std::int16_t> rect = Numbers(NthWord(2, value, wordBreaks));
    std::vector<std::int16_t> modes = Numbers(NthWord(3, value, wordBreaks));
    rect.resize(4, 0);
    TSkImageValue v{TSkImageForm::OlderMaster, {}, {}, false};
    TSkMaskData& r = v.Record;
    r.SourceRect = {rect[0], rect[1], rect[2], rect[3]};
    r.FrameCount = std::max<std::int16_t>(1, modes.size() > 0 ? modes[0] : 1);
    r.MaskMode = std::max<std::int16_t>(0, modes.size() > 1 ? modes[1] : 0);
    r.BorderSize = std::max<std::int16_t>(0, modes.size() > 2 ? modes[2] : 0);
    r.DrawFlags = modes.size() > 3 ? modes[3] : 1;
    r.ImageKind = ikBorderMask;
    return v;
}

}  // namespace

TSkImageForm ImageFormOf(const std::string& value) {
    if (value.empty()) return TSkImageForm::None;
    switch (value[0]) {
        case '^': return TSkImageForm::MasterBorder;
        case '@': return TSkImageForm::MasterGlyph;
        case '~': return TSkImageForm::MasterTexture;
        case '!': return TSkImageForm::OwnImage;
        default: break;
    }
    if (value.find('#') != std::string::npos && value != "#") return TSkImageForm::OlderMaster;
    std::string upper = AnsiUpperCase(value);
    if (upper.find(".BMP") != std::string::npos) return TSkImageForm::OlderOwnImage;
    if (upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos) return TSkImageForm::Jpeg;
    return TSkImageForm::None;
}

std::optional<TSkImageValue> ParseImageValue(const std::string& section, const std::string& key,
                                             const std::string& value) {
    std::optional<TSkImageValue> parsed;
    bool upperNames = false;
    switch (ImageFormOf(value)) {
        case TSkImageForm::MasterBorder: parsed = MasterBorder(value); break;
        case TSkImageForm::MasterGlyph: parsed = MasterGlyph(value); break;
        case TSkImageForm::MasterTexture: parsed = MasterTexture(value); break;
        case TSkImageForm::OwnImage: parsed = OwnImage(value); break;
        case TSkImageForm::OlderMaster:
            parsed = OlderMaster(value);
            upperNames = true;
            break;
        case TSkImageForm::OlderOwnImage: {
            parsed = TSkImageValue{TSkImageForm::OlderOwnImage, {}, AnsiUpperCase(value), true};
            parsed->Record.MaskMode = 1;
            parsed->Record.FrameCount = 3;
            upperNames = true;
            break;
        }
        case TSkImageForm::Jpeg:
        case TSkImageForm::None: return std::nullopt;
    }
    if (!parsed) return std::nullopt;
    parsed->Record.Section = upperNames ? AnsiUpperCase(section) : section;
    parsed->Record.Key = upperNames ? AnsiUpperCase(key) : key;
    return parsed;
}

void SetBordersFromPicture(TSkMaskData& record, int pictureWidth, int pictureHeight) {
    // A frame count of 0 or a mask mode of -1 would divide by zero.
    int across = std::max(1, record.FrameCount * kBorderThirds);
    int down = std::max(1, (record.MaskMode + 1) * kBorderThirds);
    record.BorderLeft = record.BorderRight = static_cast<std::int16_t>(pictureWidth / across);
    record.BorderTop = record.BorderBottom = static_cast<std::int16_t>(pictureHeight / down);
}

void CompleteBorderGeometry(TSkImageForm form, TSkMaskData& r, double version) {
    int width = platform::RectWidth(r.SourceRect), height = platform::RectHeight(r.SourceRect);
    if (form == TSkImageForm::MasterBorder && version < kStretchRepairBefore && r.MaskMode > 0 && r.FrameCount > 0) {
        bool oneCentrePixel = width / r.FrameCount - r.BorderLeft - r.BorderRight == 1 &&
                              height / (r.MaskMode + 1) - r.BorderTop - r.BorderBottom == 1;
        if (oneCentrePixel) r.DrawFlags |= 1;
        else r.DrawFlags &= ~1;
    }
    bool zeroBorders = r.BorderLeft + r.BorderTop + r.BorderRight + r.BorderBottom == 0;
    if ((form == TSkImageForm::MasterBorder || form == TSkImageForm::OlderMaster) && zeroBorders) {
        if (r.BorderSize != 0) r.BorderLeft = r.BorderTop = r.BorderRight = r.BorderBottom = r.BorderSize;
        else SetBordersFromPicture(r, width, height);
    }
}
