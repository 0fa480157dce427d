#include "tools/formats/TOOL_ExceptionName.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "base/BASE_Exception.h"

namespace tool {

namespace {

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::string ExceptionClassName(const std::exception& e) {
    const char* mangled = typeid(e).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> plain(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                 std::free);
    return status == 0 && plain ? std::string(plain.get()) : std::string(mangled);
}

std::string DescribeException(const std::exception& e) {
    std::string text = ExceptionClassName(e);
    if (const auto* own = dynamic_cast<const base::Exception_t*>(&e)) {
        text += std::string(" at ") + own->File() + " line " + std::to_string(own->Line());
    }
    const std::string what = OneLine(e.what());
    if (!what.empty()) text += ": " + what;
    return text;
}

std::string FailureInWords(const std::exception& e, bool debug) {
    const std::string what = OneLine(e.what());
    std::string text =
        dynamic_cast<const base::Exception_t*>(&e) && !what.empty()
            ? what
            : std::string("an internal error") + (debug ? "" : " (--debug names it for a bug report)");
    if (debug) text += " [" + DescribeException(e) + "]";
    return text;
}

}  // namespace tool
