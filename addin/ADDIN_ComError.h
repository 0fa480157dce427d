#pragma once
// COM errors: a failed HRESULT of a call into another COM object travels as an exception.
#include <comdef.h>

namespace addin {

// The COM error raised by this module: _com_error (HRESULT and, when the called object offers it, the
// thread's error information) plus the IID of the interface that was called.
class ComError_t : public _com_error {
public:
    ComError_t(HRESULT hr, IErrorInfo* info, const IID& iid) noexcept : _com_error(hr, info), iid_(iid) {}
    const IID& Iid() const noexcept { return iid_; }

private:
    IID iid_;
};

// Raises a ComError_t for hr. When object supports error information for iid, the thread's error
// information object goes with it.
[[noreturn]] void RaiseComError(HRESULT hr, IUnknown* object, const IID& iid);

// Returns hr when it is a success code (S_FALSE included); raises it otherwise.
inline HRESULT Check(HRESULT hr, IUnknown* object, const IID& iid) {
    if (FAILED(hr)) RaiseComError(hr, object, iid);
    return hr;
}

}  // namespace addin
