#pragma once
// Run-time errors that the script engine raises itself; a script's try
// statement catches them like any other of the library's exceptions.

#include "ui/core/Exceptions.h"

VELZAR_EXCEPTION(EScriptError, Exception);
// Routine calls nested deeper than the engine allows.
VELZAR_EXCEPTION(EScriptRecursionError, EScriptError);
// A character index outside its string.
VELZAR_EXCEPTION(EScriptRangeError, EScriptError);
