// Any bytes as a packed skin; the options entry, when there is one, through
// the options parser and the image-value reader.
#include "skin/core/options/SkinOptions.h"
#include "skin/core/package/SkinPackage.h"

#include "ui/core/Exceptions.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream source;
    source.WriteBuffer(data, static_cast<std::int64_t>(size));
    auto reader = std::make_unique<TxSkinConvertor>();
    reader->SourceStream = &source;
    try {
        ReadSkinPackage(reader);
    } catch (const Exception&) {
        return 0;
    }
    if (!reader->OptionsStream) return 0;
    TStringList lines;
    reader->OptionsStream->SetPosition(0);
    lines.LoadFromStream(*reader->OptionsStream);
    TSkIniSections ini;
    ParseIniSections(lines, ini);
    TSkinContent skin;
    TSkinData global;
    try {
        ReadGlobalInfo(ini, global);
        LoadSkinImages(ini, global.Version, [](const std::string&) { return nullptr; }, skin, nullptr);
        LoadSkinOptions(ini, skin);
    } catch (const Exception&) {
    }
    return 0;
}
