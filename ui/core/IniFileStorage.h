#pragma once
// How an INI file's text is kept on disk.
//
// Encoding: a file that starts with the UTF-8 mark is UTF-8; without the mark
// it is UTF-8 when its bytes are valid UTF-8 and Windows-1251 otherwise, as
// the legacy program and text editors write it. Writing uses Windows-1251
// when it holds the text and its bytes read back as that same text; otherwise
// (characters it lacks, or Cyrillic whose Windows-1251 bytes happen to form
// valid UTF-8, such as "РЁ") UTF-8 with the mark. So a file the program wrote
// always reads back as written.

#include "ui/core/IniText.h"

#include <string>

enum class IniFileState {
    Loaded,
    Missing,     // no such file: an empty file
    Unreadable,  // there but not readable (rights, a folder, a pipe): read as empty, never written over
};

IniFileState LoadIniText(const std::string& fileName, TIniText& text);

// Writes a new file beside the target and renames it over the target, so a
// full disk or any failed write leaves the old file whole. A name that is a
// symbolic link is written through to the file it names. Raises
// EIniFileException "Unable to write to <file>" on failure.
void SaveIniText(const std::string& fileName, const TIniText& text);
