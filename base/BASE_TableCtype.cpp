#include "base/BASE_TableCtype.h"

namespace base {

TableCtype_t::TableCtype_t(const CtypeTables_t& tables)
    : detail::CtypeTablesHolder_t(tables), std::ctype<char>(this->tables.masks.data(), false, 0) {}

char TableCtype_t::do_toupper(char c) const {
    return static_cast<char>(tables.upper[static_cast<unsigned char>(c)]);
}

const char* TableCtype_t::do_toupper(char* low, const char* high) const {
    for (; low < high; ++low) *low = do_toupper(*low);
    return high;
}

char TableCtype_t::do_tolower(char c) const {
    return static_cast<char>(tables.lower[static_cast<unsigned char>(c)]);
}

const char* TableCtype_t::do_tolower(char* low, const char* high) const {
    for (; low < high; ++low) *low = do_tolower(*low);
    return high;
}

std::locale MakeTableLocale(const CtypeTables_t& tables) {
    // The locale takes ownership of the facet through its reference count.
    return std::locale(std::locale::classic(), new TableCtype_t(tables));
}

CtypeTables_t ClassicTables() {
    CtypeTables_t t;
    const std::ctype_base::mask* classic = std::ctype<char>::classic_table();
    for (int c = 0; c < 256; ++c) {
        // Bytes above 0x7F belong to no class and keep their case in "C".
        t.masks[c] = c < 128 ? classic[c] : std::ctype_base::mask();
        t.upper[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        t.lower[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return t;
}

}  // namespace base
