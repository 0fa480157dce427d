#include "base/BASE_CodePageNames.h"

#include <iterator>

namespace base {

const CodePageName_t kCodePageNames[] = {
    {1252, "western"},    {1250, "central-european"},
    {1251, "cyrillic"},   {1253, "greek"},
    {1254, "turkish"},    {1255, "hebrew"},
    {1256, "arabic"},     {1257, "baltic"},
    {1258, "vietnamese"}, {874, "thai"},
    {932, "japanese"},    {936, "chinese-simplified"},
    {949, "korean"},      {950, "chinese-traditional"},
};
const std::size_t kCodePageNameCount = std::size(kCodePageNames);

unsigned CodePageFromText(std::string_view text) {
    for (const CodePageName_t& entry : kCodePageNames) {
        if (text == entry.name || text == std::to_string(entry.code_page)) return entry.code_page;
    }
    return 0;
}

std::string_view CodePageName(unsigned code_page) {
    for (const CodePageName_t& entry : kCodePageNames) {
        if (entry.code_page == code_page) return entry.name;
    }
    return {};
}

std::string DescribeCodePage(unsigned code_page) {
    const std::string_view name = CodePageName(code_page);
    std::string text = std::to_string(code_page);
    if (!name.empty()) text.append(" (").append(name).append(")");
    return text;
}

}  // namespace base
