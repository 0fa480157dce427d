#include <vector>

#include "win/WIN_Exception.h"
#include "win/WIN_TimeStr.h"

namespace win {

std::string TimeText(LCID locale, DWORD flags, const SYSTEMTIME& time) {
    const int size = ::GetTimeFormatA(locale, flags, &time, nullptr, nullptr, 0);
    if (size == 0) throw Error_t(TROVIX_SOURCE, __LINE__);
    std::vector<char> buffer(static_cast<std::size_t>(size));
    const int written = ::GetTimeFormatA(locale, flags, &time, nullptr, buffer.data(), size);
    if (written == 0) throw Error_t(TROVIX_SOURCE, __LINE__);
    return std::string(buffer.data(), static_cast<std::size_t>(written - 1));
}

std::string DateText(LCID locale, const SYSTEMTIME& time) {
    const int size = ::GetDateFormatA(locale, DATE_SHORTDATE, &time, nullptr, nullptr, 0);
    if (size == 0) throw Error_t(TROVIX_SOURCE, __LINE__);
    std::vector<char> buffer(static_cast<std::size_t>(size));
    const int written = ::GetDateFormatA(locale, DATE_SHORTDATE, &time, nullptr, buffer.data(), size);
    if (written == 0) throw Error_t(TROVIX_SOURCE, __LINE__);
    return std::string(buffer.data(), static_cast<std::size_t>(written - 1));
}

}  // namespace win
