// Writes the icon in every theme size as <folder>/<N>x<N>/apps/velzar.png,
// the layout of an icon theme, so the folder installs as it is.

#include "packaging/icon/IconArt.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velzar-icongen <folder>\n");
        return 2;
    }
    try {
        for (int size : kIconSizes) {
            const auto folder = std::filesystem::path(argv[1]) / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
            std::filesystem::create_directories(folder);
            WriteIconPng(DrawVelzarIcon(size), (folder / "velzar.png").string());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velzar-icongen: %s\n", error.what());
        return 1;
    }
    return 0;
}
