#pragma once
// The version resource of a module file.
#include <cstdint>
#include <string>
#include <vector>

namespace win {

// A file version as four numbers, most significant first.
struct FileVersion_t {
    std::uint16_t major;
    std::uint16_t minor;
    std::uint16_t build;
    std::uint16_t revision;

    bool operator==(const FileVersion_t& other) const {
        return major == other.major && minor == other.minor && build == other.build &&
               revision == other.revision;
    }
    bool operator!=(const FileVersion_t& other) const { return !(*this == other); }
};

class FileVerInfo_t {
public:
    // Reads the whole version resource; a missing file or one without version information
    // raises Error_t.
    explicit FileVerInfo_t(const std::string& file_name);
    FileVerInfo_t(const FileVerInfo_t&) = delete;
    FileVerInfo_t& operator=(const FileVerInfo_t&) = delete;

    // The fixed file version. A resource without a whole fixed part raises Assert_t.
    FileVersion_t FileVersion() const;

    const std::string& FileName() const { return file_name_; }

private:
    std::vector<unsigned char> buffer_;
    std::string file_name_;
};

}  // namespace win
