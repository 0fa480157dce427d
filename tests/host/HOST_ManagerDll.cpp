// StandInManager.dll: the stand-in host's add-in manager as an in-process COM server under the host's
// CLSID. TROVIX_HOST_LOG names a file to which every call is appended; TROVIX_HOST_FAIL lists call
// names (comma separated) that answer E_FAIL.
#include <windows.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "addin/ADDIN_Module.h"
#include "addin/ADDIN_Server.h"
#include "tests/host/HOST_AddinManager.h"
#include "win/WIN_RegKey.h"

namespace {

const char kClassKey[] = "CLSID\\{BE44897A-EB38-11D5-823F-00C04FA03755}";

std::shared_ptr<host::Recorder_t> MakeRecorder() {
    auto recorder = std::make_shared<host::Recorder_t>();
    if (const char* log = std::getenv("TROVIX_HOST_LOG")) recorder->EchoToFile(log);
    if (const char* failing = std::getenv("TROVIX_HOST_FAIL")) {
        std::istringstream names(failing);
        std::string name;
        while (std::getline(names, name, ','))
            recorder->SetAnswer(name, E_FAIL, "The stand-in host refuses " + name);
    }
    return recorder;
}

HRESULT CreateManager(IUnknown* outer, REFIID iid, void** out) {
    if (outer) return CLASS_E_NOAGGREGATION;
    auto manager = host::Make<host::AddinManager_t>(MakeRecorder());
    return manager.Get()->QueryInterface(iid, out);
}

addin::ClassEntry_t classes[] = {
    {&CLSID_DesktopAddinManager, &CreateManager, nullptr},
    {nullptr, nullptr, nullptr},
};

LONG SetText(HKEY key, const char* name, const std::string& text) {
    return ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1));
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) addin::TheModule().Init(classes, instance, GUID{});
    if (reason == DLL_PROCESS_DETACH) addin::TheModule().Term();
    return TRUE;
}

STDAPI DllCanUnloadNow() {
    return addin::TheModule().CanUnloadNow();
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    return addin::TheModule().GetClassObject(clsid, iid, out);
}

STDAPI DllRegisterServer() {
    try {
        std::string server = std::string(kClassKey) + "\\InprocServer32";
        win::RegKey_t key;
        LONG error = ::RegCreateKeyExA(HKEY_CLASSES_ROOT, server.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                       key.Put(), nullptr);
        if (error != ERROR_SUCCESS) return HRESULT_FROM_WIN32(error);
        error = SetText(key.Get(), nullptr, addin::ModulePath());
        if (error == ERROR_SUCCESS) error = SetText(key.Get(), "ThreadingModel", "Apartment");
        return error == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(error);
    } catch (...) {
        return E_FAIL;
    }
}

STDAPI DllUnregisterServer() {
    std::string server = std::string(kClassKey) + "\\InprocServer32";
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, server.c_str());
    LONG error = ::RegDeleteKeyA(HKEY_CLASSES_ROOT, kClassKey);
    return error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND ? S_OK : HRESULT_FROM_WIN32(error);
}
