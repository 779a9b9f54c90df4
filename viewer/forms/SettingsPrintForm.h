#pragma once
// The settings printout window: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "ui/forms/Form.h"

class TForm15 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm15(TComponent* owner);
};

extern TForm15* Form15;
