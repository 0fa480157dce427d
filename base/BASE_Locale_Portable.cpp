// Locales without glibc's named locales: a key names a code page of the seam, or "C".
#include <map>

#include "base/BASE_CodePage.h"
#include "base/BASE_CodePageTable.h"
#include "base/BASE_Exception.h"
#include "base/BASE_Locale.h"

namespace base {
namespace detail {

std::locale BuildLocale(const LocaleKey_t& key) {
    const std::string name = key.Name();
    if (name == "C") return std::locale::classic();
    // A language without a country names no code page, so there is nothing to pick.
    const bool names_code_page = key.language.empty() || !key.country.empty();
    const std::locale* locale = names_code_page ? CodePageLocaleFor(key.code_page) : nullptr;
    if (locale == nullptr) throw LocaleDoesNotExist_t(TROVIX_SOURCE, __LINE__, name);
    return *locale;
}

}  // namespace detail

// Without system settings, the seam's code page in force stands for the system's: a program
// that selects one (the tool, for the code page of a file's texts) reads names as a system of
// that code page would.
const LocaleKey_t& SystemLocaleKey() {
    static std::map<unsigned, LocaleKey_t> keys;
    const unsigned code_page = CurrentCodePage();
    return keys.try_emplace(code_page, LocaleKey_t{"ENU", "United States", code_page}).first->second;
}

const std::locale& SystemLocale() {
    return GetLocale(SystemLocaleKey());
}
}  // namespace base
