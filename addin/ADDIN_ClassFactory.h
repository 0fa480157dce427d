#pragma once
// The standard class object of a creatable class: IClassFactory with CreateInstance and LockServer.
#include <ole2.h>

#include "addin/ADDIN_Module.h"

namespace addin {

// The module caches one reference; only references beyond that one lock the module, so that the
// cached class object alone does not keep the DLL loaded.
class ClassFactory_t : public IClassFactory {
public:
    // A new class object holding the module's cached reference.
    static HRESULT Create(Creator_t create, ClassFactory_t** out);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    explicit ClassFactory_t(Creator_t create) : create_(create) {}
    virtual ~ClassFactory_t() = default;

    Creator_t create_;
    volatile LONG refs_ = 0;
};

}  // namespace addin
