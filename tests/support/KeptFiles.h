#pragma once
// Files a test wrote, copied into VELZAR_DUMP_DIR when it is set, so a
// person can look at them after the test has removed its own folder.

#include <cstdlib>
#include <filesystem>
#include <string>

inline void KeepForAPerson(const std::string& file) {
    const char* dump = std::getenv("VELZAR_DUMP_DIR");
    if (!dump || !std::filesystem::exists(file)) return;
    std::filesystem::copy_file(file, std::filesystem::path(dump) / std::filesystem::path(file).filename(),
                               std::filesystem::copy_options::overwrite_existing);
}
