#pragma once
// A text loaded by number from the language module.
#include <cstdint>
#include <string>
#include <vector>

namespace base {

class StringResource_t {
public:
    // Loads string id at once. A missing or empty string raises win::Error_t carrying the
    // caller's file and line.
    StringResource_t(std::uint32_t id, const char* file, int line);

    // The text with its placeholders %0, %1, ... replaced by args (StringReplace); a placeholder
    // problem is reported with the given file and line.
    std::string Format(const std::vector<std::string>& args, const char* file, int line) const;

    std::uint32_t id;
    std::string text;
};

}  // namespace base
