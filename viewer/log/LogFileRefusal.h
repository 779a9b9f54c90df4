#pragma once
// Why a log file read into memory cannot be decoded at all: not opened, not
// a regular file, a failed or disturbed read, or nothing in it.

#include "common/FileHelpers.h"

#include <optional>
#include <string>

std::optional<std::string> LogFileRefusal(const FileContents& file, const std::string& fileName);
