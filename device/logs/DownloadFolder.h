#pragma once
// Where a download writes: the chosen folder, opened once and taken as it is
// named, so a backslash in its name is a character like any other. Every
// file operation of the download is made relative to it: a file can land
// nowhere else, whatever the names around it.

#include <cstdint>
#include <string>

class TDownloadFolder {
public:
    explicit TDownloadFolder(const std::string& path);
    ~TDownloadFolder();
    TDownloadFolder(const TDownloadFolder&) = delete;
    TDownloadFolder& operator=(const TDownloadFolder&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // The system's error code when the folder could not be opened.
    std::uint32_t Error() const { return error_; }
    const std::string& Path() const { return path_; }
    // The folder's path and the name, for messages.
    std::string PathOf(const std::string& name) const;

    // A new file for writing: an existing file or link of that name is never
    // followed nor truncated. A descriptor, or -1 with the system's code.
    int CreateNew(const std::string& name, std::uint32_t& error) const;
    // Puts `from` in place of `to`; a link named `to` is replaced, never followed.
    bool Rename(const std::string& from, const std::string& to, std::uint32_t& error) const;
    void Remove(const std::string& name) const;

private:
    std::string path_;
    int fd_ = -1;
    std::uint32_t error_ = 0;
};

// A file written under "<name>.part" and put in place under its name only
// once whole; dropped, or left by an error, it takes its ".part" with it.
class TDownloadFile {
public:
    static constexpr const char* kPartSuffix = ".part";

    TDownloadFile(const TDownloadFolder& folder, std::string name);
    ~TDownloadFile();
    TDownloadFile(const TDownloadFile&) = delete;
    TDownloadFile& operator=(const TDownloadFile&) = delete;

    // False with Error() set when the ".part" could not be made (an existing
    // file or link of its name is left as it is).
    bool IsOpen() const { return fd_ >= 0; }
    std::uint32_t Error() const { return error_; }
    const std::string& Name() const { return name_; }
    std::string PartName() const { return name_ + kPartSuffix; }

    bool Write(const std::uint8_t* data, std::size_t count);
    // Flushes, closes and renames; false with Error() set, the ".part" removed.
    bool Commit();

private:
    void Drop();

    const TDownloadFolder& folder_;
    std::string name_;
    int fd_ = -1;
    std::uint32_t error_ = 0;
};
