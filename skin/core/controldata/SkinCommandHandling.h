#pragma once
// The skin data's answers to the skin command, shared by every skinned
// element's window procedure: true when the message is consumed, its
// answer then in Result.

#include "ui/forms/Messages.h"

class TSkCommonData;

bool HandleSkinCommand(TMessage& message, TSkCommonData* data);
// The window and control messages every skinned element pre-processes (the
// skin command among them); true when the message is consumed.
bool HandleCommonMessage(TMessage& message, TSkCommonData* data);
