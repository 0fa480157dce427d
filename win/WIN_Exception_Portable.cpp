#include "win/WIN_Exception.h"

namespace win {

// Outside Windows there is no system error value and no system message table.
std::uint32_t Error_t::LastError() noexcept {
    return 0;
}

std::string Error_t::Text(std::uint32_t code) {
    return "Windows Error Code: " + std::to_string(code) + "\n";
}

}  // namespace win
