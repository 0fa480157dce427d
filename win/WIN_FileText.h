#pragma once
// Reading a whole file as text through a read-only mapping.
#include <string>

namespace win {

// The file's bytes as they are. The file is opened shared for reading and writing, so a file that
// another program is still writing can be read. A missing file raises FileError_t; an empty file
// cannot be mapped and raises MappedFileError_t.
std::string ReadFileText(const std::string& path);

}  // namespace win
