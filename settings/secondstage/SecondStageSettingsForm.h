#pragma once
// The second-stage controller's settings window: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "ui/forms/Form.h"

class TForm6 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm6(TComponent* owner);
};

extern TForm6* Form6;
