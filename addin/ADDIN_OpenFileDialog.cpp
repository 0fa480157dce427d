#include "addin/ADDIN_OpenFileDialog.h"

#include <algorithm>
#include <vector>

namespace addin {

OpenFileDialog_t::OpenFileDialog_t(std::string title, const std::string& filter, std::string default_extension,
                                   DWORD flags)
    : title_(std::move(title)), filter_(filter), default_extension_(std::move(default_extension)), flags_(flags) {
    std::replace(filter_.begin(), filter_.end(), '|', '\0');
}

bool OpenFileDialog_t::Run() {
    // Room for long paths: a path longer than the buffer would end the dialog as if cancelled.
    std::vector<char> file(32768, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = nullptr;
    dialog.lpstrFilter = filter_.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title_.c_str();
    dialog.lpstrDefExt = default_extension_.c_str();
    dialog.Flags = flags_;
    if (!::GetOpenFileNameA(&dialog)) return false;
    path_ = file.data();
    return true;
}

}  // namespace addin
