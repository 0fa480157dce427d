// Locales on Windows: the C run-time builds the named locale, whose classes and case mapping
// are copied into a std::ctype<char> facet.
#include <locale.h>

#include "base/BASE_CrtCtype.h"
#include "base/BASE_Exception.h"
#include "base/BASE_Locale.h"

namespace base {
namespace detail {

namespace {

// Puts the run-time's previous locale back however the build ends.
class CrtLocaleRestore_t {
public:
    CrtLocaleRestore_t() {
        const char* current = ::setlocale(LC_ALL, nullptr);
        saved_ = current != nullptr ? current : "C";
    }
    ~CrtLocaleRestore_t() { ::setlocale(LC_ALL, saved_.c_str()); }
    CrtLocaleRestore_t(const CrtLocaleRestore_t&) = delete;
    CrtLocaleRestore_t& operator=(const CrtLocaleRestore_t&) = delete;

private:
    std::string saved_;
};

}  // namespace

std::locale BuildLocale(const LocaleKey_t& key) {
    const std::string name = key.Name();
    CrtLocaleRestore_t restore;
    if (::setlocale(LC_ALL, name.c_str()) == nullptr)
        throw LocaleDoesNotExist_t(TROVIX_SOURCE, __LINE__, name);
    return MakeTableLocale(CrtCtypeTables());
}

}  // namespace detail
}  // namespace base
