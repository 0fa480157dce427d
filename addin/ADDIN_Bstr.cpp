#include "addin/ADDIN_Bstr.h"

#include <climits>

#include "addin/ADDIN_ComError.h"

namespace addin {

Bstr_t& Bstr_t::operator=(Bstr_t&& other) noexcept {
    if (this != &other) {
        ::SysFreeString(text_);
        text_ = other.Detach();
    }
    return *this;
}

BSTR* Bstr_t::Put() noexcept {
    ::SysFreeString(text_);
    text_ = nullptr;
    return &text_;
}

BSTR Bstr_t::Detach() noexcept {
    BSTR text = text_;
    text_ = nullptr;
    return text;
}

std::wstring Widen(const std::string& text) {
    if (text.empty()) return std::wstring();
    if (text.size() > INT_MAX) RaiseComError(E_OUTOFMEMORY, nullptr, IID_NULL);
    int length = static_cast<int>(text.size());
    int wide = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(wide), L'\0');
    if (wide) ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, &result[0], wide);
    return result;
}

Bstr_t AnsiToBstr(const std::string& text) {
    std::wstring wide = Widen(text);
    Bstr_t result(::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
    if (!result.Get()) RaiseComError(E_OUTOFMEMORY, nullptr, IID_NULL);
    return result;
}

std::string BstrToAnsi(BSTR text) {
    int length = static_cast<int>(::SysStringLen(text));
    if (!length) return std::string();
    int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(bytes), '\0');
    if (bytes) ::WideCharToMultiByte(CP_ACP, 0, text, length, &result[0], bytes, nullptr, nullptr);
    return result;
}

}  // namespace addin
