// The code page seam on Windows: the C run-time in its current locale decides.
#include <ctype.h>
#include <locale.h>
#include <stdlib.h>

#include <map>
#include <string>

#include "base/BASE_CodePage.h"
#include "base/BASE_CrtCtype.h"

namespace base {

int MBCharLength(const char* p, std::size_t n) {
    if (p == nullptr || n == 0 || *p == '\0') return 0;
    const int length = ::mblen(p, n);
    // A lead byte never pairs with the terminator; some run-times would let it swallow it.
    if (length == 2 && p[1] == '\0') return -1;
    return length;
}

void ResetMBState() {
    ::mblen(nullptr, 0);
}

bool IsLeadByte(unsigned char c) {
    return ::isleadbyte(c) != 0;
}

unsigned CurrentCodePage() {
    return ::___lc_codepage_func();
}

bool SelectCodePage(unsigned code_page) {
    // 0 is what CurrentCodePage answers in the run-time's "C" locale: selecting it goes back there.
    const std::string name = code_page == 0 ? "C" : "." + std::to_string(code_page);
    return ::setlocale(LC_ALL, name.c_str()) != nullptr;
}

const std::locale& CodePageLocale() {
    // One locale per run-time locale seen, kept for the life of the process so that earlier
    // references stay valid.
    static std::map<std::string, std::locale> built;
    const char* current = ::setlocale(LC_CTYPE, nullptr);
    const std::string name = current != nullptr ? current : "C";
    auto it = built.find(name);
    if (it == built.end()) it = built.emplace(name, MakeTableLocale(CrtCtypeTables())).first;
    return it->second;
}

}  // namespace base
