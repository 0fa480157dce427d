#pragma once
// The wait cursor, shown while the object exists; the previous cursor comes back afterwards.
#include <windows.h>

namespace addin {

class WaitCursor_t {
public:
    WaitCursor_t() : previous_(::SetCursor(::LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor_t() { ::SetCursor(previous_); }
    WaitCursor_t(const WaitCursor_t&) = delete;
    WaitCursor_t& operator=(const WaitCursor_t&) = delete;

private:
    HCURSOR previous_;
};

}  // namespace addin
