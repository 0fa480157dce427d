#include <cstring>

#include "err/ERR_Clipboard.h"
#include "win/WIN_Exception.h"

namespace err {

namespace {

// A movable global block, freed unless handed over.
class GlobalBlock_t {
public:
    explicit GlobalBlock_t(std::size_t size) : handle_(::GlobalAlloc(GMEM_MOVEABLE, size)) {
        if (handle_ == nullptr) throw win::Error_t(TROVIX_SOURCE, __LINE__);
    }
    ~GlobalBlock_t() {
        if (handle_ != nullptr) ::GlobalFree(handle_);
    }
    GlobalBlock_t(const GlobalBlock_t&) = delete;
    GlobalBlock_t& operator=(const GlobalBlock_t&) = delete;

    HGLOBAL Handle() const { return handle_; }
    void Release() { handle_ = nullptr; }

private:
    HGLOBAL handle_;
};

class OpenClipboard_t {
public:
    explicit OpenClipboard_t(HWND owner) {
        if (!::OpenClipboard(owner)) throw win::Error_t(TROVIX_SOURCE, __LINE__);
    }
    ~OpenClipboard_t() { ::CloseClipboard(); }
    OpenClipboard_t(const OpenClipboard_t&) = delete;
    OpenClipboard_t& operator=(const OpenClipboard_t&) = delete;
};

}  // namespace

void PutTextOnClipboard(HWND owner, const std::string& text) {
    GlobalBlock_t block(text.size() + 1);
    void* bytes = ::GlobalLock(block.Handle());
    if (bytes == nullptr) throw win::Error_t(TROVIX_SOURCE, __LINE__);
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    ::GlobalUnlock(block.Handle());

    OpenClipboard_t clipboard(owner);
    if (!::EmptyClipboard()) throw win::Error_t(TROVIX_SOURCE, __LINE__);
    if (::SetClipboardData(CF_TEXT, block.Handle()) == nullptr) throw win::Error_t(TROVIX_SOURCE, __LINE__);
    block.Release();  // the clipboard owns it now
}

}  // namespace err
