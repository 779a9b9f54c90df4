#pragma once
// A small skin folder for the effect tests: BUTTON fades in 5 steps and has
// a 30 x 30 glow image with borders of 10 and a margin of 4; NOFADE does not fade.

#include "PngFixtures.h"

#include "skin/core/manager/SkinManager.h"
#include "skin/core/package/SkinPackage.h"
#include "skin/core/utils/SkinSystem.h"

#include "tests/support/TempFolder.h"

#include "ui/core/MemoryStream.h"
#include "ui/graphics/Bitmap.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Glow pixels as the PNG gives them: green with alpha 200.
constexpr std::uint32_t kGlowAlpha = 200;

class TEffectsSkin {
public:
    explicit TEffectsSkin(TSkinManager& manager) {
        Write("Options.dat",
              "[GLOBALINFO]\r\nVERSION=7.50\r\nMASTERBITMAP=MASTER.BMP\r\n"
              "[BUTTON]\r\nFADINGENABLED=1\r\nFADINGITERATIONS=5\r\nGLOWMARGIN=4\r\n"
              "GLOW0=!GLOW.PNG!1!0!0!10!10!10!10\r\n"
              "[NOFADE]\r\nFADINGENABLED=0\r\n");
        TBitmap master(40, 30, TPixelFormat::pf24bit);
        TMemoryStream stream;
        master.SaveToStream(stream);
        Write("MASTER.BMP", std::string(stream.Memory(), static_cast<std::size_t>(stream.Size())));
        TSampleImage glow{30, 30, 6, 8, {}};
        for (int i = 0; i < 30 * 30; ++i) glow.Samples.insert(glow.Samples.end(), {0u, 255u, 0u, kGlowAlpha});
        const TBytes png = MakePng(glow, false);
        Write("GLOW.PNG", std::string(png.begin(), png.end()));
        SetSkinMessageBoxFunction([this](const std::string& text, bool) { errors += text; });
        manager.SetSkinDirectory(folder_.Path().string());
        manager.SetSkinName("Fx");
        manager.ReapplySkin(false);
    }
    ~TEffectsSkin() { SetSkinMessageBoxFunction(nullptr); }
    // The skin directory that holds the folder "Fx".
    std::string Folder() const { return folder_.Path().string(); }
    // A packed skin beside the folder, with the folder's master bitmap.
    void WritePackage(const std::string& name, const std::string& options) {
        std::ifstream master(folder_.Path() / "Fx" / "MASTER.BMP", std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(master)), std::istreambuf_iterator<char>());
        const std::string package = WriteSkinPackage({{"Options.dat", options}, {"MASTER.BMP", bytes}});
        std::ofstream(folder_.Path() / name, std::ios::binary)
            .write(package.data(), static_cast<std::streamsize>(package.size()));
    }
    std::string errors;

private:
    void Write(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(folder_.Path() / "Fx");
        std::ofstream(folder_.Path() / "Fx" / name, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    TempFolder folder_;
};
