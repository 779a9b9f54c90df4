#pragma once
// Where the program lives, for the files the report engine looks for beside it.

#include <string>

// The full name of the program file.
std::string rpModuleFileName();
// Its folder with a trailing '/'.
std::string rpProgramFolder();
