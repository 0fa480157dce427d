#pragma once
// Why a data file cannot be opened, in the user's words.
#include <string>

namespace tool {

// "no such file", "a folder, not a file" or "a device, not a data file" from what path names,
// without opening it (a pipe must be opened once only); empty for anything else.
std::string WhyNotOpened(const std::string& path);

// After opening path failed: the reason above, or the system's ("permission denied", ...).
std::string WhyOpeningFailed(const std::string& path);

}  // namespace tool
