#pragma once
// Folder routines of the skin library. Paths use '/' here; a trailing '\'
// written by a skin author is taken as a separator too.

#include <string>

// Empty stays empty; ends with exactly one trailing '/'.
std::string NormalizeFolderPath(const std::string& path);
bool FolderExists(const std::string& path);
// The process's current folder; false when it cannot be set.
bool SetCurrentFolder(const std::string& path);
// The folder of the program file, with its trailing '/'.
std::string ApplicationFolder();
