#pragma once
// Reading a skin's Options.dat: [GLOBALINFO], one record per section with
// inheritance through PARENTCLASS, and the image records its values define.

#include "skin/core/data/SkinLookups.h"
#include "skin/core/utils/SkinIni.h"

#include <functional>
#include <memory>
#include <string>

class TSkinManager;

// A picture by the name an options value gives (a package item's
// upper-cased name, or a file in the skin folder); nullptr when missing.
using TSkPictureSource = std::function<std::shared_ptr<TBitmap>(const std::string& name)>;

// The section's integer with -1 standing for absent, inherited from the
// parents when absent; a parent chain that loops counts as absent.
std::int32_t ReadInheritedInt(const TSkIniSections& ini, const std::string& section, const std::string& key,
                              std::int32_t fallback);
std::string ReadInheritedText(const TSkIniSections& ini, const std::string& section, const std::string& key,
                              const std::string& fallback);

// GLOBALINFO's VERSION ('.' or ',' as separator), 0 when missing.
double ReadSkinVersion(const TSkIniSections& ini);
// [GLOBALINFO] into `data`; the strict keys raise EConvertError.
void ReadGlobalInfo(const TSkIniSections& ini, TSkinData& data);
// The section records in file order; then the standard and the per-section image indexes.
void LoadSkinOptions(const TSkIniSections& ini, TSkinContent& skin);
// The master bitmap and the image records, in the order of the sections
// and their keys; the positional fields raise EConvertError.
void LoadSkinImages(const TSkIniSections& ini, double version, const TSkPictureSource& pictures, TSkinContent& skin,
                    TSkinManager* owner);
// JPEG pictures the values name: big ones kept as pattern records, the
// others drawn into 32-bit texture records.
void LoadSkinTextures(const TSkIniSections& ini, const TSkPictureSource& pictures, TSkinContent& skin,
                      TSkinManager* owner);
// The manager's CommonSections: each section the skin lacks is appended,
// so it is read like the skin's own (inheritance, images, textures).
void MergeCommonSections(TSkIniSections& ini, const TStrings& common);
// CommonSections as stored: every line that is not a comment loses its blanks.
void StripCommonSectionBlanks(TStrings& lines);
// The per-section BORDERSMASK, corner images and textures.
void ResolveSectionImages(TSkinContent& skin);

// The notice a skin of this version gets, empty for none: newer than the
// engine, always; older than 7, only with the test switch.
std::string SkinVersionNotice(double version, const std::string& skinName, bool testSwitch);
