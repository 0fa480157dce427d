#pragma once
// Locale keys, the process-wide locale cache and the system locale.
#include <cstdint>
#include <locale>
#include <string>

#include "base/BASE_Exception.h"

namespace base {

struct LocaleKey_t {
    std::string language;
    std::string country;
    std::uint32_t code_page = 0;

    // "language_country.cp"; the language alone when the country is empty; ".cp" when the
    // language is empty.
    std::string Name() const;
};

bool operator<(const LocaleKey_t& a, const LocaleKey_t& b);
bool operator==(const LocaleKey_t& a, const LocaleKey_t& b);

// The cached locale of the key, built on first request. A locale that cannot be built raises
// base::LocaleDoesNotExist_t with the key's name. The reference lives as long as the process.
// Windows build: the C run-time's locale of that name supplies the character classes and case.
// Portable build: the code page seam's locale of the key's code page; the name "C" gives the
// classic locale; nothing else exists.
const std::locale& GetLocale(const LocaleKey_t& key);

// The system's default locale key, read once. The portable build has no system settings and
// answers "ENU", "United States" and the code page in force (1252 unless another is selected).
const LocaleKey_t& SystemLocaleKey();

// The cached locale of the system locale key.
const std::locale& SystemLocale();

namespace detail {
// Per build: how a locale is made from a key.
std::locale BuildLocale(const LocaleKey_t& key);
}  // namespace detail

}  // namespace base
