#include "skin/core/options/SkinOptions.h"

#include "skin/core/data/CornerMode.h"
#include "skin/core/gradients/Gradients.h"
#include "skin/core/library/SkinConstants.h"
#include "skin/core/options/ImageValues.h"

#include "ui/core/NumberConversion.h"
#include "ui/core/TextCase.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"

#include "platform/window/SystemMetrics.h"

#include <cstring>
#include <set>

namespace {

constexpr const char* kGlobalInfo = "GLOBALINFO";
constexpr const char* kAbsentText = "?";
constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr int kDefaultTitleHeight = 30;
constexpr double kNewestKnownVersion = 8.99;
constexpr double kOldestCurrentVersion = 7;

std::int32_t InheritedInt(const TSkIniSections& ini, const std::string& section, const std::string& key,
                          std::set<std::string>& visited) {
    std::int32_t value = IniReadInteger(ini, section, key, -1);
    if (value != -1) return value;
    visited.insert(section);
    std::string parent = IniReadString(ini, section, "PARENTCLASS", kAbsentText);
    if (parent == kAbsentText || visited.count(parent)) return -1;
    return InheritedInt(ini, parent, key, visited);
}

std::string InheritedText(const TSkIniSections& ini, const std::string& section, const std::string& key,
                          std::set<std::string>& visited) {
    std::string value = IniReadString(ini, section, key, kAbsentText);
    if (value != kAbsentText) return value;
    visited.insert(section);
    std::string parent = IniReadString(ini, section, "PARENTCLASS", kAbsentText);
    if (parent == kAbsentText || visited.count(parent)) return kAbsentText;
    return InheritedText(ini, parent, key, visited);
}

bool IsTrue(const std::string& text) {
    std::string upper = AnsiUpperCase(text);
    return upper == "1" || upper == "TRUE";
}

std::int16_t Strict(const TSkIniSections& ini, const char* key, const char* fallback) {
    return static_cast<std::int16_t>(StrToInt(IniReadString(ini, kGlobalInfo, key, fallback)));
}

std::int16_t Global(const TSkIniSections& ini, const char* key, std::int32_t fallback) {
    return static_cast<std::int16_t>(IniReadInteger(ini, kGlobalInfo, key, fallback));
}

void ReadState(const TSkIniSections& ini, const std::string& s, bool hot, TSkGenState& state) {
    auto num = [&](const char* normalKey, const char* hotKey, std::int32_t fallback) {
        return ReadInheritedInt(ini, s, hot ? hotKey : normalKey, fallback);
    };
    state.FontColor[0] = num("FONTCOLOR", "HOTFONTCOLOR", 0);
    state.FontColor[1] = num("TCLEFT", "HOTTCLEFT", -1);
    state.FontColor[2] = num("TCTOP", "HOTTCTOP", -1);
    state.FontColor[3] = num("TCRIGHT", "HOTTCRIGHT", -1);
    state.FontColor[4] = num("TCBOTTOM", "HOTTCBOTTOM", -1);
    state.TextGlowColor = static_cast<std::int32_t>(ColorToRGB(num("GCOL", "HGCOL", kWhite)));
    state.TextGlowSize = static_cast<std::uint8_t>(num("GSIZE", "HGSIZE", 0));
    // COLOR is converted; HOTCOLOR only when inherited, which ReadInheritedInt does.
    std::int32_t color = num("COLOR", "HOTCOLOR", kWhite);
    state.Color = hot ? color : static_cast<std::int32_t>(ColorToRGB(color));
    state.Transparency = num("TRANSPARENCY", "HOTTRANSPARENCY", 0);
    state.GradientPercent = num("GRADIENTPERCENT", "HOTGRADIENTPERCENT", 0);
    state.GradientData = ReadInheritedText(ini, s, hot ? "HOTGRADIENTDATA" : "GRADIENTDATA", hot ? "" : " ");
    // A text too short to hold a step means no gradient.
    if (state.GradientData.size() < 2) state.GradientPercent = 0;
    ParseGradientData(state.GradientData, state.GradientArray);
    state.ImagePercent = num("IMAGEPERCENT", "HOTIMAGEPERCENT", 0);
}

TSkGeneralData ReadSection(const TSkIniSections& ini, const std::string& s) {
    TSkGeneralData d;
    d.SectionName = s;
    d.ParentSection = IniReadString(ini, s, "PARENTCLASS", "");
    d.ReservedBoolean = IsTrue(ReadInheritedText(ini, s, "RESERVEDBOOLEAN", "0"));
    d.GiveOwnFont = IsTrue(ReadInheritedText(ini, s, "GIVEOWNFONT", "0"));
    d.Glow = ReadInheritedInt(ini, s, "GLOW", 0);
    d.GlowMargin = ReadInheritedInt(ini, s, "GLOWMARGIN", 0);
    d.ShowFocus = IsTrue(ReadInheritedText(ini, s, "SHOWFOCUS", "0"));
    d.FadingEnabled = IsTrue(ReadInheritedText(ini, s, "FADINGENABLED", "0"));
    d.FadingIterations = ReadInheritedInt(ini, s, "FADINGITERATIONS", 5);
    TSkGenState& normal = d.StateProps[NormalState];
    ReadState(ini, s, false, normal);
    d.Color = normal.Color;
    d.FontColor = normal.FontColor;
    d.Transparency = normal.Transparency;
    d.GradientPercent = normal.GradientPercent;
    d.GradientData = normal.GradientData;
    d.GradientArray = normal.GradientArray;
    d.ImagePercent = normal.ImagePercent;
    d.TextGlowColor = normal.TextGlowColor;
    d.TextGlowSize = normal.TextGlowSize;
    d.StateCount = ReadInheritedInt(ini, s, "STATES", 3);
    TSkGenState& hot = d.StateProps[HotState];
    if (d.StateCount <= 1) {
        hot = normal;
        return d;
    }
    ReadState(ini, s, true, hot);
    d.HotColor = hot.Color;
    d.HotFontColor = hot.FontColor;
    d.HotTransparency = hot.Transparency;
    d.HotGradientPercent = hot.GradientPercent;
    d.HotGradientData = hot.GradientData;
    d.HotGradientArray = hot.GradientArray;
    d.HotImagePercent = hot.ImagePercent;
    d.HotTextGlowColor = hot.TextGlowColor;
    d.HotTextGlowSize = hot.TextGlowSize;
    return d;
}

// 32 bits a pixel; a picture that was not gets alpha 255 except on key-colour pixels.
void MakeSkinPicture32(TBitmap& picture) {
    if (picture.PixelFormat() == TPixelFormat::pf32bit) return;
    picture.SetPixelFormat(TPixelFormat::pf32bit);
    constexpr std::uint32_t kRgbMask = 0x00FFFFFF, kOpaque = 0xFF000000;
    for (int y = 0; y < picture.Height(); ++y) {
        auto* row = static_cast<std::uint8_t*>(picture.ScanLine(y));
        for (int x = 0; x < picture.Width(); ++x) {
            std::uint32_t pixel;
            std::memcpy(&pixel, row + x * 4, sizeof pixel);
            pixel = (pixel & kRgbMask) == KeyColorValue ? KeyColorValue : ((pixel & kRgbMask) | kOpaque);
            std::memcpy(row + x * 4, &pixel, sizeof pixel);
        }
    }
}

bool IsBorderMask(TSkImageForm form, const TSkMaskData& r) {
    return form == TSkImageForm::MasterBorder || form == TSkImageForm::OlderMaster ||
           form == TSkImageForm::OlderOwnImage || (form == TSkImageForm::OwnImage && r.ImageKind == ikBorderMask);
}

}  // namespace

std::int32_t ReadInheritedInt(const TSkIniSections& ini, const std::string& section, const std::string& key,
                              std::int32_t fallback) {
    std::int32_t own = IniReadInteger(ini, section, key, -1);
    if (own != -1) return own;
    std::set<std::string> visited;
    std::int32_t inherited = InheritedInt(ini, section, key, visited);
    return inherited == -1 ? fallback : static_cast<std::int32_t>(ColorToRGB(inherited));
}

std::string ReadInheritedText(const TSkIniSections& ini, const std::string& section, const std::string& key,
                              const std::string& fallback) {
    std::set<std::string> visited;
    std::string value = InheritedText(ini, section, key, visited);
    return value == kAbsentText ? fallback : value;
}

double ReadSkinVersion(const TSkIniSections& ini) {
    return StrToFloatDef(IniReadString(ini, kGlobalInfo, "VERSION", "0"), 0);
}

void ReadGlobalInfo(const TSkIniSections& ini, TSkinData& d) {
    d.Version = ReadSkinVersion(ini);
    d.Author = IniReadString(ini, kGlobalInfo, "AUTHOR", "");
    d.Description = IniReadString(ini, kGlobalInfo, "DESCRIPTION", "");
    d.FormBorderWidth = Global(ini, "BORDERWIDTH", 4);
    d.TitleHeight = Global(ini, "TITLEHEIGHT", kDefaultTitleHeight);
    if (d.TitleHeight == 0) d.TitleHeight = kDefaultTitleHeight;
    d.MaxTitleHeight = Global(ini, "MAXHEIGHT", 0);
    if (d.MaxTitleHeight == 0) d.MaxTitleHeight = d.TitleHeight;
    d.FormOffset = Global(ini, "FORMOFFSET", platform::GetSystemMetrics(platform::SM_CXFRAME));
    d.AlignOffset = Global(ini, "ALIGNOFFSET", 0);
    d.CenterOffset = Global(ini, "CENTEROFFSET", 0);
    d.BorderMode = Global(ini, "BORDERMODE", 0);
    d.Shadow1Color = IniReadInteger(ini, kGlobalInfo, "SHADOW1COLOR", 0);
    d.Shadow1Offset = Strict(ini, "SHADOW1OFFSET", "0");
    d.Shadow1Blur = Strict(ini, "SHADOW1BLUR", "-1");
    d.Shadow1Transparency = Strict(ini, "SHADOW1TRANSPARENCY", "0");
    d.TitleIconSpacing = Global(ini, "BISPACE", 0);
    d.TitleIconVAlign = Global(ini, "BIVALIGN", 0);
    d.TitleIconRightMargin = Global(ini, "BIRIGHT", 0);
    d.TitleIconLeftMargin = Global(ini, "BILEFT", 0);
    d.TitleIconTopMargin = Global(ini, "BITOP", 0);
    d.BorderColor = IniReadInteger(ini, kGlobalInfo, "BORDERCOLOR", 0);
    d.TitleIconKeepHue = Global(ini, "BIKEEPHUE", 0);
    d.CloseIconGlow = Strict(ini, "BICONCLOSEGLOW", "0");
    d.CloseIconGlowMargin = Strict(ini, "BICONCLOSEGLOWMARGIN", "0");
    d.MaxIconGlow = Strict(ini, "BICONMAXGLOW", "0");
    d.MaxIconGlowMargin = Strict(ini, "BICONMAXGLOWMARGIN", "0");
    d.MinIconGlow = Strict(ini, "BICONMINGLOW", "0");
    d.MinIconGlowMargin = Strict(ini, "BICONMINGLOWMARGIN", "0");
    d.AeroBlur = IniReadInteger(ini, kGlobalInfo, "AEROBLUR", 0) != 0;
    d.ExtendedShadow = IniReadInteger(ini, kGlobalInfo, "EXTSHADOW", 0);
}

void LoadSkinOptions(const TSkIniSections& ini, TSkinContent& skin) {
    skin.GeneralData.clear();
    for (int i = 0; i < ini.Count(); ++i) {
        const std::string name = ini.Strings(i);
        if (skin.FindSectionIndex(name) >= 0) continue;  // a repeated section counts once
        skin.GeneralData.push_back(ReadSection(ini, name));
    }
    skin.StdIndexes = ResolveStdIndexes(skin);
    ResolveSectionImages(skin);
}

void ResolveSectionImages(TSkinContent& skin) {
    static const char* const kCornerKeys[] = {"IMGTOPLEFT", "IMGTOPRIGHT", "IMGBTMLEFT", "IMGBTMRIGHT"};
    for (int i = 0; i < static_cast<int>(skin.GeneralData.size()); ++i) {
        TSkGeneralData& d = skin.GeneralData[i];
        if (d.SectionName == kGlobalInfo) continue;
        d.BorderMaskIndex = skin.FindMaskIndex(i, d.SectionName, "BORDERSMASK");
        for (int c = 0; c < 4; ++c) d.CornerImages[c] = skin.FindMaskIndex(i, d.SectionName, kCornerKeys[c]);
        d.TextureIndex = skin.FindPatternIndex(i, d.SectionName, "PATTERN");
        d.StateProps[NormalState].TextureIndex = d.TextureIndex;
        if (d.StateCount > 1) d.StateProps[HotState].TextureIndex = skin.FindPatternIndex(i, d.SectionName, "HOTPATTERN");
    }
}

void LoadSkinImages(const TSkIniSections& ini, double version, const TSkPictureSource& pictures, TSkinContent& skin,
                    TSkinManager* owner) {
    skin.Masks.clear();
    skin.MasterBitmap.reset();
    std::string master = IniReadString(ini, kGlobalInfo, "MASTERBITMAP", "");
    skin.MasterBitmap = master.empty() ? nullptr : pictures(master);
    if (!skin.MasterBitmap) skin.MasterBitmap = std::make_shared<TBitmap>();
    MakeSkinPicture32(*skin.MasterBitmap);
    for (int s = 0; s < ini.Count(); ++s) {
        const std::string section = ini.Strings(s);
        const TStringList* lines = ini.SectionLines(section);
        for (int k = 0; k < lines->Count(); ++k) {
            std::string key = lines->Names(k);
            if (section == kGlobalInfo && key == "MASTERBITMAP") continue;
            if (lines->IndexOfName(key) != k) continue;  // the first occurrence of a key counts
            std::optional<TSkImageValue> value = ParseImageValue(section, key, lines->ValueFromIndex(k));
            if (!value) continue;
            TSkMaskData& r = value->Record;
            if (!value->FileName.empty()) {
                std::shared_ptr<TBitmap> picture = pictures(value->FileName);
                if (!picture || picture->Width() == 0) continue;
                MakeSkinPicture32(*picture);
                r.Image = picture;
                r.SourceRect = {0, 0, picture->Width(), picture->Height()};
                if (value->BordersFromPicture) SetBordersFromPicture(r, picture->Width(), picture->Height());
            }
            CompleteBorderGeometry(value->Form, r, version);
            if (IsBorderMask(value->Form, r)) r.CornerMode = ClassifyCorners(r, skin.PictureOf(r));
            r.Owner = owner;
            skin.Masks.push_back(std::move(r));
        }
    }
}

namespace {

// A picture of this many pixels or more stays a JPEG pattern.
constexpr long long kSmallestPattern = 900000;

bool NamesJpeg(const std::string& value) {
    std::string upper = AnsiUpperCase(value);
    return upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos;
}

}  // namespace

void LoadSkinTextures(const TSkIniSections& ini, const TSkPictureSource& pictures, TSkinContent& skin,
                      TSkinManager* owner) {
    skin.Patterns.clear();
    for (int s = 0; s < ini.Count(); ++s) {
        const std::string section = ini.Strings(s);
        const TStringList* lines = ini.SectionLines(section);
        for (int k = 0; k < lines->Count(); ++k) {
            std::string key = lines->Names(k);
            if (lines->IndexOfName(key) != k) continue;
            std::string value = lines->ValueFromIndex(k);
            if (!NamesJpeg(value)) continue;
            std::shared_ptr<TBitmap> picture = pictures(value);
            if (!picture || picture->Width() <= 0) continue;
            if (static_cast<long long>(picture->Width()) * picture->Height() >= kSmallestPattern) {
                skin.Patterns.push_back({picture, AnsiUpperCase(section), AnsiUpperCase(key)});
                continue;
            }
            MakeSkinPicture32(*picture);
            TSkMaskData r;
            r.Image = picture;
            r.SourceRect = {0, 0, picture->Width(), picture->Height()};
            r.Section = AnsiUpperCase(section);
            r.Key = AnsiUpperCase(key);
            r.ImageKind = ikTexture;
            r.FrameCount = 1;
            r.Owner = owner;
            skin.Masks.push_back(std::move(r));
        }
    }
}

void MergeCommonSections(TSkIniSections& ini, const TStrings& common) {
    TSkIniSections extra;
    ParseIniSections(common, extra);
    for (int i = 0; i < extra.Count(); ++i) {
        std::string name = extra.Strings(i);
        if (ini.IndexOf(name) >= 0 || extra.IndexOf(name) != i) continue;
        auto* lines = new TStringList;
        lines->SetCaseSensitive(true);
        lines->Assign(extra.SectionLines(name));
        ini.AddObject(name, lines);
    }
}

void StripCommonSectionBlanks(TStrings& lines) {
    for (int i = 0; i < lines.Count(); ++i) {
        std::string line = lines.Strings(i);
        if (line.empty() || line.front() == ';') continue;
        std::erase(line, ' ');
        lines.SetString(i, line);
    }
}

std::string SkinVersionNotice(double version, const std::string& skinName, bool testSwitch) {
    if (version > kNewestKnownVersion)
        return "This version of the skin have not complete support by used skin engine release.\r\n"
               "Components must be updated up to latest version for using this skin.";
    if (version < kOldestCurrentVersion && testSwitch)
        return "You are using an old version of the \"" + skinName +
               "\" skin. Please, update a skins to latest or link with the skin engine support for upgrading of "
               "existing skin.\r\n\r\nThis notification occurs in design-time only for your information and will "
               "not occur in real-time.";
    return {};
}
