#include "trove/TROVE_NameOrder.h"

#include "base/BASE_Locale.h"

namespace trove {

const base::NoCase_t& NameRule() {
    // Tables compare names O(n log n) times per load: take the case mapping once.
    static const base::NoCase_t rule(base::SystemLocale());
    return rule;
}

bool NameLess(const std::string& a, const std::string& b) {
    return NameRule().Less(a, b);
}

}  // namespace trove
