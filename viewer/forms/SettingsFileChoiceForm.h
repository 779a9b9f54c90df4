#pragma once
// The chooser between a new and an existing settings file: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "ui/forms/Form.h"

class TForm16 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm16(TComponent* owner);
};

extern TForm16* Form16;
