#pragma once
// The errors that values of the library's variant type raise, and the
// arithmetic errors of its division operators. Callers tell them apart by
// their class, never by their text.

#include "ui/core/Exceptions.h"

VELZAR_EXCEPTION(EVariantError, Exception);
// A value that cannot be taken as the wanted type ("abc" as a number, Null as text).
VELZAR_EXCEPTION(EVariantTypeCastError, EVariantError);
// An operator that the operands' types do not allow (arrays in arithmetic).
VELZAR_EXCEPTION(EVariantInvalidOpError, EVariantError);
// A result or a conversion outside the range of the wanted type.
VELZAR_EXCEPTION(EVariantOverflowError, EVariantError);
// An array index outside its bounds, or an index count that is not the array's.
VELZAR_EXCEPTION(EVariantBadIndexError, EVariantError);
// Array bounds with a high bound below the low bound less one.
VELZAR_EXCEPTION(EVariantArrayCreateError, EVariantError);

// Integer division or remainder by zero.
VELZAR_EXCEPTION(EIntError, Exception);
VELZAR_EXCEPTION(EDivByZero, EIntError);
// Real division by zero.
VELZAR_EXCEPTION(EMathError, Exception);
VELZAR_EXCEPTION(EZeroDivide, EMathError);
