#pragma once
// The order of the waypoint, route and track tables: by name alone, without regard to letter
// case, multibyte characters kept whole (base::NoCase_t), under the library's locale - the
// system locale (in the portable build, that of the code page in force). Two keys whose names
// are not less than each other are the same key.
#include <string>
#include <utility>

#include "base/BASE_NoCase.h"
#include "trove/TROVE_Name.h"

namespace trove {

// Raises base::InvalidMBCharacter_t for a name that is not valid multibyte text.
bool NameLess(const std::string& a, const std::string& b);

// The rule behind NameLess, for callers that sort many names (base::NoCase_t::SortKey).
const base::NoCase_t& NameRule();

// A comparator for ordered containers of names or of keys holding a `name`.
struct NameOrder_t {
    bool operator()(const std::string& a, const std::string& b) const { return NameLess(a, b); }
    bool operator()(const Name_t& a, const Name_t& b) const { return NameLess(a.text, b.text); }
    template <class Key, class = decltype(std::declval<const Key&>().name.text)>
    bool operator()(const Key& a, const Key& b) const {
        return NameLess(a.name.text, b.name.text);
    }
};

}  // namespace trove
