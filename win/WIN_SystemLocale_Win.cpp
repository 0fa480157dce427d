// base's system locale on Windows: the one the system reports. It lives on the Windows side,
// above base, since only the system can say which it is.
#include "base/BASE_Locale.h"
#include "win/WIN_Locale.h"

namespace base {

const LocaleKey_t& SystemLocaleKey() {
    static const LocaleKey_t key = win::SystemLocaleKey();
    return key;
}

const std::locale& SystemLocale() {
    static const std::locale& locale = GetLocale(SystemLocaleKey());
    return locale;
}

}  // namespace base
