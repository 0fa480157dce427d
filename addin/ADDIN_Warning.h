#pragma once
// Warning boxes for failures that must not leave a COM method as exceptions.
#include <string>

namespace addin {

// The text for the exception being handled; call only inside a catch block. A base::Exception_t gives
// its text and its source and line, a std::exception its what(), anything else a fixed text.
std::string DescribeCurrentException() noexcept;

// A message box without owner, MB_ICONWARNING, with string 105 as caption (loaded for the report
// position file/line). A caption that cannot be loaded raises, as every other text of the import.
void Warn(const std::string& text, const char* file, int line);

// The same for failures that must not leave a COM method as exceptions. When the caption cannot be loaded either, the box is captioned "Trovix".
void ShowWarning(const std::string& text, const char* file, int line) noexcept;

}  // namespace addin
