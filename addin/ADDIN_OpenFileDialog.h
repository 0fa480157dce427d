#pragma once
// The modal open-file dialog of the import: no owner window, the filter written as the framework
// writes it ("Name|*.ext||"), a default extension and no initial file name.
#include <windows.h>

#include <commdlg.h>

#include <string>

namespace addin {

class OpenFileDialog_t {
public:
    OpenFileDialog_t(std::string title, const std::string& filter, std::string default_extension, DWORD flags);

    // Shows the dialog; true when the user chose a file (IDOK).
    bool Run();
    // The chosen file's full path.
    const std::string& Path() const { return path_; }

private:
    std::string title_;
    std::string filter_;  // with the zero separators the system wants
    std::string default_extension_;
    DWORD flags_;
    std::string path_;
};

}  // namespace addin
