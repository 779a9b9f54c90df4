// Shows the chart showcase on the display until its window is closed, or
// with `--png FILE` draws the chart without a display and writes it as a
// picture (`--png3d FILE`: in 3D, with its walls); for a person to look at
// the chart (and for screenshots).

#include "ChartShowcase.h"

#include "png/PngPicture.h"
#include "ui/forms/Application.h"
#include "ui/graphics/Bitmap.h"

#include "platform/display/Display.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

namespace {

int WritePicture(const std::string& fileName, bool view3D) {
    setenv("VELZAR_DISPLAY", "headless", 1);  // no window shows
    TChartShowcase show = BuildChartShowcase();
    show.Chart->SetParent(nullptr);  // drawn alone, at its own size
    show.Chart->SetAlign(TAlign::alNone);
    show.Chart->SetBounds(0, 0, 800, 520);
    if (view3D) {
        show.Chart->SetView3D(true);
        show.Chart->LeftWall().SetSize(6);
        show.Chart->BottomWall().SetSize(6);
        show.Chart->BackWall().SetTransparent(false);
        show.Chart->BackWall().SetColor(clWhite);
        show.Chart->BackWall().Gradient().SetVisible(true);
        show.Chart->BackWall().Gradient().SetStartColor(clWhite);
        show.Chart->BackWall().Gradient().SetEndColor(0xF0E0D0);
        show.Chart->LeftWall().SetTransparency(40);
        // a framed, filled foot with its shadow, and a bevelled subtitle placed by hand
        TChartTitle& foot = show.Chart->Foot();
        foot.SetText({"Двигатель: 2 с, парашют: 9 с"});
        foot.SetTransparent(false);
        foot.SetColor(0xE0FFFF);
        foot.Shadow().SetVisible(true);
        TChartTitle& sub = show.Chart->SubTitle();
        sub.SetText({"Стенки"});
        sub.SetTransparent(false);
        sub.SetBevel(TPanelBevel::bvRaised);
        sub.SetLeft(620);
        sub.SetTop(60);
    }
    std::unique_ptr<TBitmap> bitmap = show.Chart->CreateBitmap();
    TPngPicture picture;
    picture.Assign(bitmap.get());
    picture.SaveToFile(fileName);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 3 && std::strcmp(argv[1], "--png") == 0) return WritePicture(argv[2], false);
        if (argc == 3 && std::strcmp(argv[1], "--png3d") == 0) return WritePicture(argv[2], true);
        if (argc != 1) {
            std::fprintf(stderr, "usage: velzar-chartshow [--png FILE | --png3d FILE]\n");
            return 2;
        }
        if (std::strcmp(platform::DisplayName(), "headless") == 0) {
            std::fprintf(stderr, "velzar-chartshow: no display to show the chart on\n");
            return 1;
        }
        TChartShowcase show = BuildChartShowcase();
        show.Form->OnClose = [](TObject*, TCloseAction&) { Application->Terminate(); };
        show.Form->Show();
        while (!Application->Terminated()) Application->HandleMessage();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velzar-chartshow: %s\n", e.what());
        return 1;
    }
}
