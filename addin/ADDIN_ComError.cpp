#include "addin/ADDIN_ComError.h"

#include <new>

#include "addin/ADDIN_Bstr.h"

namespace addin {

void RaiseComError(HRESULT hr, IUnknown* object, const IID& iid) {
    IErrorInfo* info = nullptr;
    ISupportErrorInfo* support = nullptr;
    if (object &&
        SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)))) {
        if (support->InterfaceSupportsErrorInfo(iid) == S_OK && ::GetErrorInfo(0, &info) != S_OK)
            info = nullptr;
        support->Release();
    }
    throw ComError_t(hr, info, iid);  // takes over the reference to info
}

}  // namespace addin

// comdef.h and comutil.h declare these for the compiler-support classes (_com_ptr_t, _bstr_t) but no
// library of this tool chain defines them.
void WINAPI _com_issue_errorex(HRESULT hr, IUnknown* object, REFIID iid) {
    addin::RaiseComError(hr, object, iid);
}

namespace _com_util {

BSTR WINAPI ConvertStringToBSTR(const char* text) {
    if (!text) return nullptr;
    return addin::AnsiToBstr(text).Detach();
}

// _bstr_t frees the result with delete[].
char* WINAPI ConvertBSTRToString(BSTR text) {
    if (!text) return nullptr;
    std::string ansi = addin::BstrToAnsi(text);
    char* result = new (std::nothrow) char[ansi.size() + 1];
    if (!result) _com_issue_error(E_OUTOFMEMORY);
    ansi.copy(result, ansi.size());
    result[ansi.size()] = '\0';
    return result;
}

}  // namespace _com_util
