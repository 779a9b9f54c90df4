#pragma once
// The script's own type codes: what a declared entry holds.

enum TscVarType { fvtInt, fvtBool, fvtFloat, fvtChar, fvtString, fvtClass, fvtArray, fvtVariant, fvtEnum, fvtConstructor };
