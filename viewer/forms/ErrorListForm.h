#pragma once
// The GPS error viewer: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "viewer/forms/AppWindowForm.h"

class TForm3 : public TAppWindowForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm3(TComponent* owner);
};

extern TForm3* Form3;
