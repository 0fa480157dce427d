#pragma once
// What every COM object of the add-in shares: the module lock while it lives, a plain reference
// count (apartment-threaded), QueryInterface for IUnknown, IDispatch and its one dual interface,
// and IDispatch driven by the registered type library. Each object adds only its own interface's
// methods; an aggregatable one puts its own IUnknown in front of these.
#include <windows.h>

#include "addin/ADDIN_Interfaces.h"
#include "addin/ADDIN_Module.h"
#include "addin/ADDIN_TypeInfo.h"

namespace addin {

template <class Interface, const IID& kIid>
class ComObject_t : public Interface {
public:
    // IUnknown of an object that is not aggregated: the object itself is its identity.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override { return QueryOwn(iid, out, this); }
    ULONG STDMETHODCALLTYPE AddRef() override { return AddOwnRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseOwn(); }

    // IDispatch, from the type library
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return Info().GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** out) override {
        return Info().GetTypeInfo(index, lcid, out);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override {
        return Info().GetIDsOfNames(iid, names, count, lcid, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* bad_argument) override {
        return Info().Invoke(this, id, iid, lcid, flags, params, result, exception, bad_argument);
    }

protected:
    ComObject_t() { TheModule().Lock(); }
    virtual ~ComObject_t() { TheModule().Unlock(); }
    ComObject_t(const ComObject_t&) = delete;
    ComObject_t& operator=(const ComObject_t&) = delete;

    // The interfaces every object has: identity for IUnknown, the object for IDispatch and kIid.
    HRESULT QueryOwn(REFIID iid, void** out, IUnknown* identity) {
        if (!out) return E_POINTER;
        if (::IsEqualIID(iid, IID_IUnknown)) {
            *out = identity;
        } else if (::IsEqualIID(iid, kIid) || ::IsEqualIID(iid, IID_IDispatch)) {
            *out = static_cast<Interface*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        static_cast<IUnknown*>(*out)->AddRef();
        return S_OK;
    }
    ULONG AddOwnRef() { return ++refs_; }
    // The last release deletes the object.
    ULONG ReleaseOwn() {
        const ULONG refs = --refs_;
        if (refs == 0) delete this;
        return refs;
    }

private:
    static TypeInfo_t& Info() {
        static TypeInfo_t info(LIBID_OrvenAddinLib, 1, 0, kIid);
        return info;
    }

    ULONG refs_ = 0;
};

}  // namespace addin
