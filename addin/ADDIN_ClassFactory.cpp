#include "addin/ADDIN_ClassFactory.h"

#include <new>

namespace addin {

HRESULT ClassFactory_t::Create(Creator_t create, ClassFactory_t** out) {
    ClassFactory_t* factory = new (std::nothrow) ClassFactory_t(create);
    if (!factory) return E_OUTOFMEMORY;
    factory->AddRef();
    *out = factory;
    return S_OK;
}

HRESULT ClassFactory_t::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IClassFactory)) {
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG ClassFactory_t::AddRef() {
    LONG refs = ::InterlockedIncrement(&refs_);
    if (refs == 2) TheModule().Lock();
    return static_cast<ULONG>(refs);
}

ULONG ClassFactory_t::Release() {
    LONG refs = ::InterlockedDecrement(&refs_);
    if (refs == 0) {
        delete this;
    } else if (refs == 1) {
        TheModule().Unlock();
    }
    return static_cast<ULONG>(refs);
}

HRESULT ClassFactory_t::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    // An aggregated object can only be handed to its aggregator as its inner IUnknown.
    if (outer && !::IsEqualIID(iid, IID_IUnknown)) return CLASS_E_NOAGGREGATION;
    return create_(outer, iid, out);
}

HRESULT ClassFactory_t::LockServer(BOOL lock) {
    if (lock) {
        TheModule().Lock();
    } else {
        TheModule().Unlock();
    }
    return S_OK;
}

}  // namespace addin
