// "Снимок экрана (screenshot)": "Только график" and "Окно полностью" save a
// picture of the chart or of the whole window, drawn by the windows
// themselves, as a PNG or JPEG file chosen in the picture dialog.

#include "viewer/mainform/MainForm.h"

#include "common/MessageBoxText.h"
#include "png/PngPicture.h"
#include "ui/core/ScopeGuards.h"
#include "ui/graphics/JpegImage.h"
#include "viewer/mainform/PictureFileChoice.h"
#include "viewer/mainform/WindowPicture.h"

#include <filesystem>

void TForm1::N17Click(TObject*) { SaveWindowPicture(*Chart1); }

void TForm1::N19Click(TObject*) { SaveWindowPicture(*this); }

namespace {

void SavePictureAs(TBitmap& picture, const TPictureFileChoice& choice) {
    if (choice.Format == TPictureFileFormat::Jpeg) {
        TJPEGImage jpeg;
        jpeg.Assign(&picture);
        jpeg.SaveToFile(choice.FileName);
    } else {
        TPngPicture png;
        png.Assign(&picture);
        png.SaveToFile(choice.FileName);
    }
}

}  // namespace

void TForm1::SaveWindowPicture(TWinControl& area) {
    std::error_code error;
    SavePictureDialog1->InitialDir = std::filesystem::current_path(error).string();
    // The name comes back as typed: its extension, or else the filter, picks the format.
    const std::string defaultExt = SavePictureDialog1->DefaultExt();
    SavePictureDialog1->SetDefaultExt("");
    ScopeExit restoreDefaultExt([&] { SavePictureDialog1->SetDefaultExt(defaultExt); });
    if (!SavePictureDialog1->Execute()) return;
    const TPictureFileChoice choice = ChoosePictureFile(SavePictureDialog1->FileName, SavePictureDialog1->FilterIndex);
    std::unique_ptr<TBitmap> picture = WindowPicture(area);
    try {
        SavePictureAs(*picture, choice);
    } catch (const Exception& e) {
        ShowMessageBox("Снимок не сохранён в файл «" + choice.FileName + "»: " + e.Message());
    }
}
