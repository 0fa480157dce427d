#include "addin/ADDIN_Module.h"

#include "addin/ADDIN_ClassFactory.h"
#include "addin/ADDIN_TypeInfo.h"

namespace addin {

namespace {

// Holds a critical section for the lifetime of a scope.
class SectionLock_t {
public:
    explicit SectionLock_t(CRITICAL_SECTION& section) : section_(section) {
        ::EnterCriticalSection(&section_);
    }
    ~SectionLock_t() { ::LeaveCriticalSection(&section_); }
    SectionLock_t(const SectionLock_t&) = delete;
    SectionLock_t& operator=(const SectionLock_t&) = delete;

private:
    CRITICAL_SECTION& section_;
};

}  // namespace

Module_t::Module_t() {
    ::InitializeCriticalSection(&section_);
}

Module_t::~Module_t() {
    ::DeleteCriticalSection(&section_);
}

void Module_t::Init(ClassEntry_t* classes, HINSTANCE instance, const GUID& libid) {
    classes_ = classes;
    instance_ = instance;
    libid_ = libid;
}

void Module_t::Term() {
    for (ClassEntry_t* entry = classes_; entry && entry->clsid; ++entry) {
        if (entry->factory) entry->factory->Release();
        entry->factory = nullptr;
    }
    ReleaseTypeInfos();
}

void Module_t::Lock() noexcept {
    ::InterlockedIncrement(&locks_);
}

void Module_t::Unlock() noexcept {
    ::InterlockedDecrement(&locks_);
}

long Module_t::LockCount() const noexcept {
    return locks_;
}

HRESULT Module_t::GetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (ClassEntry_t* entry = classes_; entry && entry->clsid; ++entry) {
        if (!::IsEqualCLSID(*entry->clsid, clsid)) continue;
        if (!entry->factory) {
            SectionLock_t lock(section_);
            if (!entry->factory) {
                HRESULT hr = ClassFactory_t::Create(entry->create, &entry->factory);
                if (FAILED(hr)) return hr;
            }
        }
        return entry->factory->QueryInterface(iid, out);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT Module_t::CanUnloadNow() const noexcept {
    return LockCount() == 0 ? S_OK : S_FALSE;
}

Module_t& TheModule() {
    static Module_t module;
    return module;
}

}  // namespace addin
