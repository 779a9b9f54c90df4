#pragma once
// Texts the system gives: error messages and the program's command line.

#include <cstdint>
#include <string>

// The system's message for the code without trailing blanks and line ends;
// empty when the system has no text for it.
std::string SysErrorText(std::uint32_t code);

// 0: the full path of the program file; n >= 1: the n-th blank-separated
// argument, where a part in double quotes may hold blanks and one pair of
// surrounding quotes is removed. Empty past the last argument.
std::string CommandLineParam(int n);

// The same walk over a given command line.
std::string CommandLineParam(const char* commandLine, int n);
