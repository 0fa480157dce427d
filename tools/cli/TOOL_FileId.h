#pragma once
// A file's identity as the file system keeps it (device and inode; volume and file index on
// Windows): the same for every path, link or spelling that reaches the file.
#include <cstdint>
#include <optional>
#include <string>

namespace tool {

struct FileId_t {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;

    bool operator==(const FileId_t& other) const { return volume == other.volume && file == other.file; }
    bool operator<(const FileId_t& other) const {
        return volume != other.volume ? volume < other.volume : file < other.file;
    }
};

// The file path names, links followed; none when there is no such file.
std::optional<FileId_t> IdentityOf(const std::string& path);

// The file standard input reads, when it is one.
std::optional<FileId_t> IdentityOfStandardInput();

}  // namespace tool
