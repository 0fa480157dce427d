#include "addin/ADDIN_TypeInfo.h"

namespace addin {

namespace {

TypeInfo_t*& FirstTypeInfo() {
    static TypeInfo_t* first = nullptr;
    return first;
}

}  // namespace

TypeInfo_t::TypeInfo_t(const GUID& libid, WORD major, WORD minor, const IID& iid)
    : libid_(libid), major_(major), minor_(minor), iid_(iid), next_(FirstTypeInfo()) {
    FirstTypeInfo() = this;
}

HRESULT TypeInfo_t::Load(LCID lcid) {
    if (info_) return S_OK;
    ITypeLib* library = nullptr;
    HRESULT hr = ::LoadRegTypeLib(libid_, major_, minor_, lcid, &library);
    if (FAILED(hr)) return hr;
    ITypeInfo* info = nullptr;
    hr = library->GetTypeInfoOfGuid(iid_, &info);
    library->Release();
    if (SUCCEEDED(hr)) info_ = info;
    return hr;
}

HRESULT TypeInfo_t::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT TypeInfo_t::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    HRESULT hr = Load(lcid);
    if (FAILED(hr)) return hr;
    info_->AddRef();
    *out = info_;
    return S_OK;
}

HRESULT TypeInfo_t::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
    HRESULT hr = Load(lcid);
    if (FAILED(hr)) return hr;
    return ::DispGetIDsOfNames(info_, names, count, ids);
}

HRESULT TypeInfo_t::Invoke(IDispatch* self, DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params,
                           VARIANT* result, EXCEPINFO* exception, UINT* bad_argument) {
    HRESULT hr = Load(lcid);
    if (FAILED(hr)) return hr;
    return ::DispInvoke(self, info_, id, flags, params, result, exception, bad_argument);
}

void TypeInfo_t::Release() noexcept {
    if (info_) info_->Release();
    info_ = nullptr;
}

void ReleaseTypeInfos() noexcept {
    for (TypeInfo_t* info = FirstTypeInfo(); info; info = info->next_) info->Release();
}

}  // namespace addin
