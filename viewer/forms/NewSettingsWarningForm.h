#pragma once
// The warning before a new settings file is made: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "ui/forms/Form.h"

class TForm17 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm17(TComponent* owner);
};

extern TForm17* Form17;
