#include <windows.h>

#include <vector>

#include "base/BASE_Exception.h"
#include "win/WIN_Exception.h"
#include "win/WIN_Locale.h"

namespace win {

namespace {

std::string LocaleInfo(LCID locale, LCTYPE type) {
    const int size = ::GetLocaleInfoA(locale, type, nullptr, 0);
    if (size == 0) throw Error_t(TROVIX_SOURCE, __LINE__);
    std::vector<char> buffer(static_cast<std::size_t>(size));
    const int written = ::GetLocaleInfoA(locale, type, buffer.data(), size);
    if (written == 0) throw Error_t(TROVIX_SOURCE, __LINE__);
    return std::string(buffer.data(), static_cast<std::size_t>(written - 1));  // without the zero
}

}  // namespace

std::uint32_t ParseCodePage(const std::string& text) {
    BASE_ASSERT(!text.empty() && text.size() <= 10);
    std::uint64_t value = 0;
    for (char c : text) {
        BASE_ASSERT(c >= '0' && c <= '9');
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    BASE_ASSERT(value <= 0xFFFFFFFFu);
    return static_cast<std::uint32_t>(value);
}

base::LocaleKey_t SystemLocaleKey() {
    const LCID locale = ::GetSystemDefaultLCID();
    base::LocaleKey_t key;
    key.language = LocaleInfo(locale, LOCALE_SABBREVLANGNAME);
    key.country = LocaleInfo(locale, LOCALE_SENGCOUNTRY);
    key.code_page = ParseCodePage(LocaleInfo(locale, LOCALE_IDEFAULTANSICODEPAGE));
    return key;
}

}  // namespace win
