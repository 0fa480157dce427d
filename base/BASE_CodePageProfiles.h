#pragma once
// What the texts of each supported code page usually hold: the script of its letters and the
// characters its languages use most (lower case, most frequent first), beyond ASCII.
#include <cstddef>

namespace base {

enum class Script_t { latin, cyrillic, greek, hebrew, arabic, thai, cjk };

struct CodePageProfile_t {
    unsigned code_page;
    Script_t script;
    bool double_byte;
    const char16_t* common;  // zero-terminated
};

extern const CodePageProfile_t kCodePageProfiles[];
extern const std::size_t kCodePageProfileCount;

}  // namespace base
