#pragma once
// Why a data file cannot be opened, in the user's words.
#include <string>

namespace tool {

// "no such file", "a folder, not a file", "a device, not a data file", "permission denied", ...;
// empty when nothing stands in the way of opening path for reading.
std::string WhyNotOpened(const std::string& path);

}  // namespace tool
