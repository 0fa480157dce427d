#pragma once
// Owner of one open registry key, closed on every way out.
#include <windows.h>

namespace win {

class RegKey_t {
public:
    RegKey_t() = default;
    RegKey_t(const RegKey_t&) = delete;
    RegKey_t& operator=(const RegKey_t&) = delete;
    ~RegKey_t() {
        if (key_) ::RegCloseKey(key_);
    }
    HKEY Get() const { return key_; }
    // For the Reg*Ex functions that fill in a key; only on a key not yet open.
    HKEY* Put() { return &key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace win
