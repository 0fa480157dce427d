#include "base/BASE_Locale.h"

#include <map>
#include <tuple>

namespace base {

std::string LocaleKey_t::Name() const {
    if (language.empty()) return "." + std::to_string(code_page);
    if (country.empty()) return language;
    return language + "_" + country + "." + std::to_string(code_page);
}

bool operator<(const LocaleKey_t& a, const LocaleKey_t& b) {
    return std::tie(a.language, a.country, a.code_page) < std::tie(b.language, b.country, b.code_page);
}

bool operator==(const LocaleKey_t& a, const LocaleKey_t& b) {
    return std::tie(a.language, a.country, a.code_page) == std::tie(b.language, b.country, b.code_page);
}

const std::locale& GetLocale(const LocaleKey_t& key) {
    static std::map<LocaleKey_t, std::locale> cache;
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, detail::BuildLocale(key)).first;
    return it->second;
}

}  // namespace base
