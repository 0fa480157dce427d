#pragma once
// A std::ctype<char> facet driven by fixed tables: the classes and the case mapping of one
// single-byte character set (or of the single-byte half of a double-byte one).
#include <array>
#include <locale>

namespace base {

struct CtypeTables_t {
    std::array<std::ctype_base::mask, 256> masks{};
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
};

namespace detail {
// Holds the tables so that they exist before the std::ctype<char> base that points into them.
struct CtypeTablesHolder_t {
    explicit CtypeTablesHolder_t(const CtypeTables_t& t) : tables(t) {}
    CtypeTables_t tables;
};
}  // namespace detail

class TableCtype_t : private detail::CtypeTablesHolder_t, public std::ctype<char> {
public:
    explicit TableCtype_t(const CtypeTables_t& tables);

protected:
    char do_toupper(char c) const override;
    const char* do_toupper(char* low, const char* high) const override;
    char do_tolower(char c) const override;
    const char* do_tolower(char* low, const char* high) const override;
};

// The classic locale with its ctype<char> facet replaced by one following the tables.
std::locale MakeTableLocale(const CtypeTables_t& tables);

// Tables equal to the classic "C" locale's: the starting point for a code page's own.
CtypeTables_t ClassicTables();

}  // namespace base
