#pragma once
// The language module's string table as data, generated from lang/LANG_Strings.txt. The portable
// build loads its texts from here; the Windows build's Trovix_LANG.dll is made from the same source.
#include <cstdint>
#include <vector>

namespace lang {

struct String_t {
    std::uint32_t id;
    const char* text;
};

// Every string, in number order.
const std::vector<String_t>& Strings();

// The text of string id, or null when there is none.
const char* FindString(std::uint32_t id);

}  // namespace lang
