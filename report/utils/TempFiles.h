#pragma once
// Temporary files of the report engine: made with a unique name that no
// other process can take over (created exclusively, readable by the user
// only), and removed by their owner however its work ends.

#include "ui/core/HandleStream.h"

#include <memory>
#include <string>

// A new empty file named "fr" + a unique part in `folder`, or in the
// system's temporary folder when `folder` is empty or names no folder; the
// full name. Raises EFCreateError when no file can be made there.
std::string rpMakeTempFile(const std::string& folder);

// The system's temporary folder ($TMPDIR, else /tmp).
std::string rpSystemTempFolder();

// A temporary file open for reading and writing, deleted with the object.
class TrpTempFile {
public:
    explicit TrpTempFile(const std::string& folder);
    ~TrpTempFile();
    TrpTempFile(const TrpTempFile&) = delete;
    TrpTempFile& operator=(const TrpTempFile&) = delete;

    const std::string& FileName() const { return fileName_; }
    TFileStream& Stream() { return *stream_; }

private:
    std::string fileName_;
    std::unique_ptr<TFileStream> stream_;
};
