#pragma once
// Windows only: sets a device context's background colour and mode and puts the previous ones
// back.
#include <windows.h>

namespace gdi {

class BackgroundScope_t {
public:
    BackgroundScope_t(HDC dc, COLORREF colour, int mode)
        : dc_(dc), colour_(::SetBkColor(dc, colour)), mode_(::SetBkMode(dc, mode)) {}
    ~BackgroundScope_t() {
        if (mode_ != 0) ::SetBkMode(dc_, mode_);
        if (colour_ != CLR_INVALID) ::SetBkColor(dc_, colour_);
    }
    BackgroundScope_t(const BackgroundScope_t&) = delete;
    BackgroundScope_t& operator=(const BackgroundScope_t&) = delete;

private:
    HDC dc_;
    COLORREF colour_;
    int mode_;
};

}  // namespace gdi
