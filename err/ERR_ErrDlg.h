#pragma once
// The error dialog: an introduction, the report, and a button that copies the error log to the
// clipboard. A plain modal dialog from template 5605 of the language module.
#include <windows.h>

#include <string>

namespace err {

class ErrDlg_t {
public:
    ErrDlg_t(std::string introduction, std::string report, std::string log_path);
    ErrDlg_t(const ErrDlg_t&) = delete;
    ErrDlg_t& operator=(const ErrDlg_t&) = delete;

    // Shows the dialog without an owner until OK or Cancel closes it; returns that button's id, or
    // -1 when the dialog could not be created. The language module must be loadable (its
    // handle's errors pass through). Nothing raised while the dialog runs leaves it: a report
    // whose heading (string 5604) cannot be loaded is shown without it, and a log that cannot be
    // copied (missing, empty) only gives the warning sound.
    INT_PTR DoModal();

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
    void OnInitDialog(HWND dialog) const;
    void OnCopyLog(HWND dialog) const;

    std::string introduction_;
    std::string report_;
    std::string log_path_;
};

}  // namespace err
