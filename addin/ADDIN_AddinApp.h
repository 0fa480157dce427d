#pragma once
// CAddinApp: the module's start-up and shut-down, run from DllMain.
#include <windows.h>

class CAddinApp {
public:
    CAddinApp() = default;
    virtual ~CAddinApp() = default;
    CAddinApp(const CAddinApp&) = delete;
    CAddinApp& operator=(const CAddinApp&) = delete;

    // The module's instance handle, given by DllMain before InitInstance.
    void SetInstance(HINSTANCE instance) { m_hInstance = instance; }

    // Process attach: initialises the COM module, loads the language module and sets the C run-time
    // locale. FALSE (after telling the user) when the language module cannot be loaded: the DLL then
    // refuses to load.
    virtual BOOL InitInstance();
    // Process detach: terminates the COM module.
    virtual int ExitInstance();

private:
    HINSTANCE m_hInstance = nullptr;
};
