#pragma once
// BSTRs at the host boundary: this system's texts are narrow strings in the system's ANSI code page.
#include <ole2.h>

#include <string>

namespace addin {

// Sole owner of a BSTR.
class Bstr_t {
public:
    Bstr_t() = default;
    explicit Bstr_t(BSTR owned) noexcept : text_(owned) {}
    Bstr_t(const Bstr_t&) = delete;
    Bstr_t& operator=(const Bstr_t&) = delete;
    Bstr_t(Bstr_t&& other) noexcept : text_(other.Detach()) {}
    Bstr_t& operator=(Bstr_t&& other) noexcept;
    ~Bstr_t() { ::SysFreeString(text_); }

    BSTR Get() const noexcept { return text_; }
    // Frees the current text; for out parameters.
    BSTR* Put() noexcept;
    BSTR Detach() noexcept;

private:
    BSTR text_ = nullptr;
};

// The text converted with the system ANSI code page. Raises a COM error E_OUTOFMEMORY when no BSTR
// can be allocated.
Bstr_t AnsiToBstr(const std::string& text);

// The text converted with the system ANSI code page.
std::wstring Widen(const std::string& text);

// The BSTR converted to the system ANSI code page; a null BSTR is the empty text.
std::string BstrToAnsi(BSTR text);

}  // namespace addin
