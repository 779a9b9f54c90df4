#pragma once
// The GPS error viewer: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "ui/forms/Form.h"

class TForm3 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm3(TComponent* owner);
};

extern TForm3* Form3;
