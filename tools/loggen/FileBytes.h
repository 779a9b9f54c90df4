#pragma once
// A generated log written whole under its name.

#include <string>

// Throws std::runtime_error when the file cannot be written whole.
void WriteFileBytes(const std::string& fileName, const std::string& bytes);
