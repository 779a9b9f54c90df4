#pragma once
// The DIP controller's settings window: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "ui/forms/Form.h"

class TForm12 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm12(TComponent* owner);
};

extern TForm12* Form12;
