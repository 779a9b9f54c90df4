#pragma once
// The codes skinned control classes give their skin data: which section a
// control of a kind takes by default, and the kinds that are edits,
// containers or never glow.

#include <string>

// Empty for a code without a default (the owner's class name is taken then).
std::string DefaultSectionOfKind(int kind);
// Codes 0..255 only; a larger code belongs to no set.
bool IsEditKind(int kind);
bool IsContainerKind(int kind);
bool IsGlowlessKind(int kind);
