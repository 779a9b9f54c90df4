#pragma once
// The system's texts for its error codes, as the library shows them.

#include <cstdint>
#include <string>

// Without the trailing line end; "System Error.  Code: N." when the system
// has no text for the code.
std::string SysErrorMessage(std::uint32_t code);
