#include <windows.h>

#include "win/WIN_Exception.h"

namespace win {

std::uint32_t Error_t::LastError() noexcept {
    return ::GetLastError();
}

std::string Error_t::Text(std::uint32_t code) {
    char message[256] = {};
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                               1033, message, sizeof message, nullptr);
    std::string text = "Windows Error Code: " + std::to_string(code) + "\n";
    text.append(message, n);  // an unknown code leaves the message empty
    return text;
}

}  // namespace win
