#pragma once
// The COM module: its instance handle, the lock count that decides whether the DLL may be unloaded,
// and the class table with the class objects handed out by DllGetClassObject.
#include <ole2.h>

namespace addin {

class ClassFactory_t;

// Creates an object of a class; outer is the aggregating object or null.
using Creator_t = HRESULT (*)(IUnknown* outer, REFIID iid, void** out);

// One creatable class.
struct ClassEntry_t {
    const CLSID* clsid;
    Creator_t create;
    ClassFactory_t* factory;  // created on first request, kept until the module terminates
};

class Module_t {
public:
    Module_t();
    ~Module_t();
    Module_t(const Module_t&) = delete;
    Module_t& operator=(const Module_t&) = delete;

    // Start and end of the module's life (process attach and detach).
    void Init(ClassEntry_t* classes, HINSTANCE instance, const GUID& libid);
    void Term();

    HINSTANCE Instance() const noexcept { return instance_; }
    const GUID& Libid() const noexcept { return libid_; }

    // One lock for every live object and every LockServer(TRUE).
    void Lock() noexcept;
    void Unlock() noexcept;
    long LockCount() const noexcept;

    // DllGetClassObject and DllCanUnloadNow.
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out);
    HRESULT CanUnloadNow() const noexcept;

private:
    HINSTANCE instance_ = nullptr;
    GUID libid_ = {};
    ClassEntry_t* classes_ = nullptr;  // ends with an entry whose clsid is null
    volatile LONG locks_ = 0;
    CRITICAL_SECTION section_;  // guards the one-time creation of the class objects
};

// The module of this DLL.
Module_t& TheModule();

}  // namespace addin
