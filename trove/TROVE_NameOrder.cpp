#include "trove/TROVE_NameOrder.h"

#include "base/BASE_Locale.h"
#include "base/BASE_NoCase.h"

namespace trove {

bool NameLess(const std::string& a, const std::string& b) {
    // Tables compare names O(n log n) times per load: take the case mapping once.
    static const base::NoCase_t rule(base::SystemLocale());
    return rule.Less(a, b);
}

}  // namespace trove
