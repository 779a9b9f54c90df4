#pragma once
// The load-period dialog of the stream log: made at start-up as an empty window with its
// caption; its controls come with the window's own commands.

#include "ui/forms/Form.h"

class TForm7 : public TForm {
    DECLARE_CLASS_INFO
public:
    explicit TForm7(TComponent* owner);
};

extern TForm7* Form7;
