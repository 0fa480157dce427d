#include "trove/TROVE_NameOrder.h"

#include <map>

#include "base/BASE_CodePage.h"
#include "base/BASE_Locale.h"

namespace trove {

const base::NoCase_t& NameRule() {
    // Tables compare names O(n log n) times per load: the case mapping is taken once per system
    // locale, and looked for again only when the code page changes (the portable build's
    // system locale follows it; Windows has one for the process).
    static std::map<const std::locale*, base::NoCase_t> rules;
    static const base::NoCase_t* rule = nullptr;
    static unsigned code_page = 0;
    const unsigned now = base::CurrentCodePage();
    if (rule == nullptr || now != code_page) {
        const std::locale& locale = base::SystemLocale();
        rule = &rules.try_emplace(&locale, locale).first->second;
        code_page = now;
    }
    return *rule;
}

bool NameLess(const std::string& a, const std::string& b) {
    return NameRule().Less(a, b);
}

}  // namespace trove
