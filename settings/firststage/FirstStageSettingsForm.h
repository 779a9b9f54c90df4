#pragma once
// The first-stage controller's settings window: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "ui/forms/Form.h"

class TForm18 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm18(TComponent* owner);
};

extern TForm18* Form18;
