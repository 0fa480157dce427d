// Locales without glibc's named locales: a key names a code page of the seam, or "C".
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

LocaleKey_t ReadSystemLocaleKey() {
    return LocaleKey_t{"ENU", "United States", 1252};
}

}  // namespace detail
}  // namespace base
