#include "base/BASE_Exception.h"

#include <utility>

namespace base {

Exception_t::Exception_t(const char* file, int line, std::string text)
    : file_(file), line_(line), text_(std::move(text)) {}

const char* Exception_t::what() const noexcept { return text_.c_str(); }

}  // namespace base
