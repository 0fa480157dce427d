// The entry points of Trovix.dll. The four COM entry points are exported by name with fixed ordinals
// (Trovix.def); DllMain is the module's entry point.
#include <windows.h>

#include "addin/ADDIN_AddinApp.h"
#include "addin/ADDIN_Module.h"
#include "addin/ADDIN_Server.h"

namespace {

CAddinApp theApp;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    // An exception leaving DllMain would take the host process down with it.
    try {
        if (reason == DLL_PROCESS_ATTACH) {
            theApp.SetInstance(instance);
            if (!theApp.InitInstance()) {
                theApp.ExitInstance();
                return FALSE;
            }
        } else if (reason == DLL_PROCESS_DETACH) {
            theApp.ExitInstance();
        }
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

STDAPI DllCanUnloadNow() {
    return addin::TheModule().CanUnloadNow();
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    return addin::TheModule().GetClassObject(clsid, iid, out);
}

STDAPI DllRegisterServer() {
    return addin::RegisterServer();
}

STDAPI DllUnregisterServer() {
    return addin::UnregisterServer();
}
