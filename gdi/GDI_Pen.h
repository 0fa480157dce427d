#pragma once
// Windows only: owns a GDI pen.
#include <windows.h>

namespace gdi {

class Pen_t {
public:
    Pen_t(int style, int width, COLORREF colour) : pen_(::CreatePen(style, width, colour)) {}
    ~Pen_t() {
        if (pen_ != nullptr) ::DeleteObject(pen_);
    }
    Pen_t(const Pen_t&) = delete;
    Pen_t& operator=(const Pen_t&) = delete;

    HPEN Handle() const noexcept { return pen_; }

private:
    HPEN pen_;
};

}  // namespace gdi
