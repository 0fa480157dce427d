#pragma once
// Windows only: selects a GDI object into a device context and puts the previous one back.
#include <windows.h>

namespace gdi {

class ObjectSelector_t {
public:
    ObjectSelector_t(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~ObjectSelector_t() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    ObjectSelector_t(const ObjectSelector_t&) = delete;
    ObjectSelector_t& operator=(const ObjectSelector_t&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace gdi
