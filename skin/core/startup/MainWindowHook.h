#pragma once
// What the default skin manager does with the messages of the
// application's main window: the close animation of the main form when
// the program ends, the swallowed theme change, and the redraw of every
// form when the application is activated. Answers whether it handled the message.

#include "ui/forms/Messages.h"

class TSkinManager;

bool MainWindowHook(TSkinManager& manager, TMessage& message);
