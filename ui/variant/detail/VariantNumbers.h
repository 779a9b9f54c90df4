#pragma once
// A variant taken as a number for the operators: its kind decides the kind
// of the result, the whole or real part carries the value.

#include "ui/variant/Variant.h"

enum class TNumberKind { Integer, Currency, Date, Real };

struct TVariantNumber {
    TNumberKind kind = TNumberKind::Integer;
    // Integer: the value; Currency: the value scaled by kCurrencyScale.
    __int128 whole = 0;
    // Date and Real: the value.
    double real = 0;
    // Integer results keep at least 64 bits when an operand had them.
    bool wide = false;
    bool unsignedWide = false;

    double AsReal() const;
    // Reals round to the nearest (halves to even).
    __int128 AsWhole() const;
};

// Raises EVariantTypeCastError for a text that is no number, Null and arrays.
TVariantNumber NumberOf(const Variant& value);

// The narrowest of Integer (unless wide), Int64 and UInt64 that holds the
// value; EVariantOverflowError beyond them.
Variant IntegerResult(__int128 value, bool wide);
