// base::StringResource_t without Windows: the text comes from the table the build makes of the
// language module's texts. A missing one is the error Windows would report.
#include "base/BASE_StringResource.h"
#include "lang/LANG_Strings.h"
#include "win/WIN_Exception.h"

namespace base {

namespace {

// The code Windows gives for a string number that its module lacks.
constexpr std::uint32_t kResourceNameNotFound = 1814;

}  // namespace

StringResource_t::StringResource_t(std::uint32_t id_, const char* file, int line) : id(id_) {
    const char* found = lang::FindString(id);
    if (found == nullptr || *found == '\0') throw win::Error_t(file, line, kResourceNameNotFound);
    text = found;
}

}  // namespace base
