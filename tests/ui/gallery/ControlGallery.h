#pragma once
// One form holding every control of the class library, filled with sample
// state: the headless gallery test checks its pixels, the gallery program
// shows it on a real display.

#include "ui/forms/Form.h"

#include <memory>

class TBevel;
class TBitBtn;
class TCheckBox;
class TImage;
class TImageList;
class TMainMenu;
class TMaskEdit;
class TProgressBar;
class TShape;
class TSpeedButton;
class TStatusBar;

struct TControlGallery {
    std::unique_ptr<TForm> Form;
    TMainMenu* Menu = nullptr;
    TMaskEdit* Time = nullptr;
    TCheckBox* Check = nullptr;
    TProgressBar* Progress = nullptr;
    TStatusBar* Status = nullptr;
    TSpeedButton* Speed[3] = {};
    TSpeedButton* FlatSpeed = nullptr;
    TBitBtn* Ok = nullptr;
    TBitBtn* Cancel = nullptr;
    TImage* Picture = nullptr;
    TShape* Circle = nullptr;
    TBevel* Frame = nullptr;
    TImageList* Images = nullptr;
};

// The form is made, not shown.
TControlGallery BuildControlGallery();
