#include <utility>

#include "base/BASE_ApplicationInfo.h"
#include "base/BASE_StringResource.h"
#include "err/ERR_Clipboard.h"
#include "err/ERR_ErrDlg.h"
#include "lang/LANG_Resources.h"
#include "win/WIN_FileText.h"
#include "win/WIN_ResourceHandle.h"

namespace err {

namespace {

// The edit control breaks lines only at "\r\n".
std::string WithCrLf(const std::string& text) {
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

}  // namespace

ErrDlg_t::ErrDlg_t(std::string introduction, std::string report, std::string log_path)
    : introduction_(std::move(introduction)), report_(std::move(report)), log_path_(std::move(log_path)) {}

INT_PTR ErrDlg_t::DoModal() {
    return ::DialogBoxParamA(win::LanguageModule(), MAKEINTRESOURCEA(LANG_IDD_ERROR_DIALOG), nullptr,
                             Procedure, reinterpret_cast<LPARAM>(this));
}

void ErrDlg_t::OnInitDialog(HWND dialog) const {
    ::SetWindowTextA(dialog, base::TheApplicationInfo().name.c_str());
    ::SetDlgItemTextA(dialog, LANG_IDC_INTRODUCTION, introduction_.c_str());
    std::string shown = WithCrLf(report_);
    ::SetDlgItemTextA(dialog, LANG_IDC_REPORT, shown.c_str());
    // The report matters more than its heading: it stays even when the heading cannot be loaded.
    shown = base::StringResource_t(5604, TROVIX_SOURCE, __LINE__).text + "\r\n" + shown;
    ::SetDlgItemTextA(dialog, LANG_IDC_REPORT, shown.c_str());
}

void ErrDlg_t::OnCopyLog(HWND dialog) const {
    PutTextOnClipboard(dialog, win::ReadFileText(log_path_));
}

INT_PTR CALLBACK ErrDlg_t::Procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    // A callback of the system's dialog manager: no exception may pass through it.
    try {
        if (message == WM_INITDIALOG) {
            ::SetWindowLongPtrA(dialog, DWLP_USER, lparam);
            reinterpret_cast<const ErrDlg_t*>(lparam)->OnInitDialog(dialog);
            return TRUE;
        }
        const auto* self = reinterpret_cast<const ErrDlg_t*>(::GetWindowLongPtrA(dialog, DWLP_USER));
        if (self == nullptr || message != WM_COMMAND) return FALSE;
        switch (LOWORD(wparam)) {
            case LANG_IDC_COPY_LOG:
                self->OnCopyLog(dialog);
                return TRUE;
            case IDOK:
            case IDCANCEL:
                ::EndDialog(dialog, LOWORD(wparam));
                return TRUE;
            default:
                return FALSE;
        }
    } catch (...) {
        ::MessageBeep(MB_ICONWARNING);
        return TRUE;
    }
}

}  // namespace err
