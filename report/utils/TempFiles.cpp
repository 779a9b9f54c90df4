#include "report/utils/TempFiles.h"

#include "ui/core/Exceptions.h"
#include "ui/core/ScopeGuards.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

constexpr const char* kTempPrefix = "fr";

}  // namespace

std::string rpSystemTempFolder() {
    std::error_code error;
    auto folder = std::filesystem::temp_directory_path(error);
    return error ? std::string("/tmp") : folder.string();
}

std::string rpMakeTempFile(const std::string& folder) {
    std::error_code error;
    std::filesystem::path where =
        !folder.empty() && std::filesystem::is_directory(folder, error) ? std::filesystem::path(folder)
                                                                        : std::filesystem::path(rpSystemTempFolder());
    std::string pattern = (where / (std::string(kTempPrefix) + "XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw EFCreateError("Cannot create file \"" + pattern + "\". " + std::strerror(errno));
    ::close(fd);
    return pattern;
}

TrpTempFile::TrpTempFile(const std::string& folder) : fileName_(rpMakeTempFile(folder)) {
    ScopeExit removeOnFailure([this] { ::unlink(fileName_.c_str()); });
    stream_ = std::make_unique<TFileStream>(fileName_, fmOpenReadWrite | fmShareExclusive);
    removeOnFailure.Dismiss();
}

TrpTempFile::~TrpTempFile() {
    stream_.reset();
    ::unlink(fileName_.c_str());
}
