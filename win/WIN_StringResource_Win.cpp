// base::StringResource_t on Windows: the text is loaded from the language module. It lives on
// the Windows side, above base, beside the module handle it needs.
#include <windows.h>

#include <vector>

#include "base/BASE_StringResource.h"
#include "win/WIN_Exception.h"
#include "win/WIN_ResourceHandle.h"

namespace base {

namespace {

constexpr int kBufferStep = 256;

}  // namespace

StringResource_t::StringResource_t(std::uint32_t id_, const char* file, int line) : id(id_) {
    HINSTANCE module = win::LanguageModule();
    // LoadStringA cuts a text that does not fit and does not say so: only a load that leaves
    // at least 3 characters free is known to be whole.
    std::vector<char> buffer(kBufferStep);
    for (;;) {
        int length = ::LoadStringA(module, id, buffer.data(), static_cast<int>(buffer.size()));
        if (length <= 0) throw win::Error_t(file, line);
        if (static_cast<int>(buffer.size()) - length > 2) {
            text.assign(buffer.data(), length);
            return;
        }
        buffer.resize(buffer.size() + kBufferStep);
    }
}

}  // namespace base
