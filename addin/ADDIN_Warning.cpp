#include "addin/ADDIN_Warning.h"

#include <windows.h>

#include <exception>

#include "base/BASE_Exception.h"
#include "base/BASE_StringResource.h"

namespace addin {

namespace {

std::string WithoutLineBreaks(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

}  // namespace

std::string DescribeCurrentException() noexcept {
    try {
        try {
            throw;
        } catch (const base::Exception_t& e) {
            std::string text = WithoutLineBreaks(e.what());
            if (!text.empty()) text += '\n';
            return text + e.File() + ", line " + std::to_string(e.Line());
        } catch (const std::exception& e) {
            return WithoutLineBreaks(e.what());
        } catch (...) {
            return "Unknown exception";
        }
    } catch (...) {
        return std::string();  // not even the text could be formed
    }
}

void Warn(const std::string& text, const char* file, int line) {
    const base::StringResource_t caption(105, file, line);
    ::MessageBoxA(nullptr, text.c_str(), caption.text.c_str(), MB_ICONWARNING);
}

void ShowWarning(const std::string& text, const char* file, int line) noexcept {
    std::string caption;
    try {
        caption = base::StringResource_t(105, file, line).text;
    } catch (...) {
        caption = "Trovix";
    }
    ::MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_ICONWARNING);
}

}  // namespace addin
