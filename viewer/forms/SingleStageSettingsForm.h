#pragma once
// The single-stage controller's settings window: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "ui/forms/Form.h"

class TForm14 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm14(TComponent* owner);
};

extern TForm14* Form14;
