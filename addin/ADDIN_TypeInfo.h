#pragma once
// IDispatch driven by the type library: the type information of one interface of the module's
// registered type library, loaded on first use and kept until the module terminates.
#include <ole2.h>

namespace addin {

class TypeInfo_t {
public:
    // The interface iid of the library libid, version major.minor.
    TypeInfo_t(const GUID& libid, WORD major, WORD minor, const IID& iid);
    TypeInfo_t(const TypeInfo_t&) = delete;
    TypeInfo_t& operator=(const TypeInfo_t&) = delete;

    // The four IDispatch operations of an object whose interface `self` this type information describes.
    HRESULT GetTypeInfoCount(UINT* count);
    HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** out);
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids);
    HRESULT Invoke(IDispatch* self, DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                   VARIANT* result, EXCEPINFO* exception, UINT* bad_argument);

    void Release() noexcept;

private:
    friend void ReleaseTypeInfos() noexcept;

    HRESULT Load(LCID lcid);

    const GUID& libid_;
    WORD major_;
    WORD minor_;
    const IID& iid_;
    ITypeInfo* info_ = nullptr;
    TypeInfo_t* next_;  // every instance is listed, so that the module can release them all
};

// Releases the type information of every TypeInfo_t (module termination).
void ReleaseTypeInfos() noexcept;

}  // namespace addin
