// Writes the internal skin: its options text, its two bitmaps, the package
// and the C++ source that embeds the package into the program.
//   velzar-skingen <output folder>
#include "tools/skingen/ClassicSkinArt.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string EmbeddingSource(const std::string& package) {
    std::string text =
        "// Made by velzar-skingen from tools/skingen: do not edit.\n"
        "#include \"tools/skingen/InternalSkin.h\"\n\n"
        "namespace {\nconst unsigned char kPackage[] = {";
    for (std::size_t i = 0; i < package.size(); ++i) {
        if (i % 16 == 0) text += "\n   ";
        text += " " + std::to_string(static_cast<unsigned char>(package[i])) + ",";
    }
    text += "\n};\n}  // namespace\n\n"
            "std::string_view ClassicInternalSkinPackage() {\n"
            "    return {reinterpret_cast<const char*>(kPackage), sizeof kPackage};\n}\n";
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velzar-skingen <output folder>\n";
        return 2;
    }
    std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    std::vector<TSkPackageEntry> entries = ClassicSkinEntries();
    std::string package = WriteSkinPackage(entries);
    bool ok = true;
    for (const TSkPackageEntry& e : entries) ok = WriteFile(folder / e.Name, e.Bytes) && ok;
    ok = WriteFile(folder / "Classic.skz", package) && ok;
    ok = WriteFile(folder / "InternalSkinData.cpp", EmbeddingSource(package)) && ok;
    if (!ok) {
        std::cerr << "velzar-skingen: cannot write into " << folder << "\n";
        return 1;
    }
    return 0;
}
