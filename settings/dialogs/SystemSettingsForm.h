#pragma once
// The power-supply supervision window: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "ui/forms/Form.h"

class TForm10 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm10(TComponent* owner);
};

extern TForm10* Form10;
