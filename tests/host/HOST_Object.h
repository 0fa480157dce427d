#pragma once
// The common part of the stand-in host's COM objects: reference counting, QueryInterface for IUnknown,
// IDispatch, the object's interface and ISupportErrorInfo, and an IDispatch without type information
// (the add-in calls the host only through the interfaces' vtables).
#include <ole2.h>

#include <memory>
#include <utility>

#include "addin/ADDIN_ComPtr.h"
#include "tests/host/HOST_Recorder.h"

namespace host {

template <class I>
class Object_t : public I, public ISupportErrorInfo {
public:
    explicit Object_t(std::shared_ptr<Recorder_t> recorder) : recorder_(std::move(recorder)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IDispatch) ||
            ::IsEqualIID(iid, __uuidof(I))) {
            *out = static_cast<I*>(this);
        } else if (::IsEqualIID(iid, IID_ISupportErrorInfo)) {
            *out = static_cast<ISupportErrorInfo*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG refs = --refs_;
        if (refs == 0) delete this;
        return refs;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return DISP_E_MEMBERNOTFOUND;
    }

    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
        return ::IsEqualIID(iid, __uuidof(I)) ? S_OK : S_FALSE;
    }

protected:
    virtual ~Object_t() = default;

    // Records a call; a configured failure also sets the thread's error information.
    HRESULT Record(const std::string& name, std::vector<std::string> args) {
        HRESULT hr = recorder_->Record(name, std::move(args));
        if (FAILED(hr)) recorder_->SetErrorInfo(__uuidof(I));
        return hr;
    }
    const std::shared_ptr<Recorder_t>& Recorder() const { return recorder_; }

private:
    std::shared_ptr<Recorder_t> recorder_;
    ULONG refs_ = 0;
};

// A new object of class T, held by the result.
template <class T, class... Args>
addin::ComPtr_t<T> Make(Args&&... args) {
    return addin::ComPtr_t<T>(new T(std::forward<Args>(args)...));
}

}  // namespace host

// A slot the add-in never calls.
#define HOST_RESERVED(n)                               \
    HRESULT STDMETHODCALLTYPE Reserved##n() override { \
        return E_NOTIMPL;                              \
    }
