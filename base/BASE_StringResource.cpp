#include "base/BASE_StringResource.h"

#include "base/BASE_StringReplace.h"

namespace base {

std::string StringResource_t::Format(const std::vector<std::string>& args, const char* file, int line) const {
    std::string result = text;
    StringReplace(result, args, file, line);
    return result;
}

}  // namespace base
