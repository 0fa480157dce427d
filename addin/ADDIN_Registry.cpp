#include "addin/ADDIN_Registry.h"

#include "addin/ADDIN_Identifiers.h"
#include "win/WIN_RegKey.h"

namespace addin {

namespace {

HRESULT FromWin32(LONG error) {
    return HRESULT_FROM_WIN32(static_cast<unsigned long>(error));
}

// Creates (or opens) parent\path and sets its default value to data unless data is null.
LONG SetKey(HKEY parent, const std::string& path, const char* data, win::RegKey_t& key) {
    LONG error = ::RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_READ | KEY_WRITE, nullptr, key.Put(), nullptr);
    if (error != ERROR_SUCCESS || !data) return error;
    return ::RegSetValueExA(key.Get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                            static_cast<DWORD>(std::string(data).size() + 1));
}

LONG SetKey(HKEY parent, const std::string& path, const char* data) {
    win::RegKey_t key;
    return SetKey(parent, path, data, key);
}

LONG SetValue(HKEY key, const char* name, const std::string& data) {
    return ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>(data.size() + 1));
}

// Deletes parent\name with all its subkeys.
LONG DeleteTree(HKEY parent, const std::string& name) {
    {
        win::RegKey_t key;
        LONG error = ::RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, key.Put());
        if (error != ERROR_SUCCESS) return error;
        char child[MAX_PATH + 1];
        for (;;) {
            DWORD size = sizeof child;
            error = ::RegEnumKeyExA(key.Get(), 0, child, &size, nullptr, nullptr, nullptr, nullptr);
            if (error == ERROR_NO_MORE_ITEMS) break;
            if (error != ERROR_SUCCESS) return error;
            error = DeleteTree(key.Get(), child);
            if (error != ERROR_SUCCESS) return error;
        }
    }
    return ::RegDeleteKeyA(parent, name.c_str());
}

// Deletes a key that has no subkeys; a missing key, or one that still has subkeys, is left alone.
LONG DeleteLeaf(HKEY parent, const std::string& name) {
    LONG error = ::RegDeleteKeyA(parent, name.c_str());
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_ACCESS_DENIED) return ERROR_SUCCESS;
    return error;
}

LONG WriteProgId(const std::string& progid) {
    LONG error = SetKey(HKEY_CLASSES_ROOT, progid, kClassName);
    if (error == ERROR_SUCCESS) error = SetKey(HKEY_CLASSES_ROOT, progid + "\\CLSID", kAddinClsid);
    return error;
}

LONG WriteClassKey(const std::string& module_path) {
    win::RegKey_t clsid;  // CLSID itself: created when missing, never removed
    LONG error = SetKey(HKEY_CLASSES_ROOT, "CLSID", nullptr, clsid);
    if (error != ERROR_SUCCESS) return error;
    error = DeleteTree(clsid.Get(), kAddinClsid);
    if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND) return error;

    win::RegKey_t cls;
    error = SetKey(clsid.Get(), kAddinClsid, kClassName, cls);
    if (error == ERROR_SUCCESS) error = SetKey(cls.Get(), "ProgID", kProgId);
    if (error == ERROR_SUCCESS)
        error = SetKey(cls.Get(), "VersionIndependentProgID", kVersionIndependentProgId);
    if (error == ERROR_SUCCESS) error = SetKey(cls.Get(), "Programmable", nullptr);
    if (error != ERROR_SUCCESS) return error;
    {
        win::RegKey_t server;
        error = SetKey(cls.Get(), "InprocServer32", module_path.c_str(), server);
        if (error == ERROR_SUCCESS) error = SetValue(server.Get(), "ThreadingModel", "Apartment");
        if (error != ERROR_SUCCESS) return error;
    }
    return SetKey(cls.Get(), "TypeLib", kLibid);
}

}  // namespace

HRESULT RegisterClassKeys(const std::string& module_path) {
    LONG error = WriteProgId(kProgId);
    if (error == ERROR_SUCCESS) error = WriteProgId(kVersionIndependentProgId);
    if (error == ERROR_SUCCESS)
        error = SetKey(HKEY_CLASSES_ROOT, std::string(kVersionIndependentProgId) + "\\CurVer", kProgId);
    if (error == ERROR_SUCCESS) error = WriteClassKey(module_path);
    return error == ERROR_SUCCESS ? S_OK : FromWin32(error);
}

HRESULT UnregisterClassKeys() {
    const std::string progid = kProgId;
    const std::string independent = kVersionIndependentProgId;
    const std::string leaves[] = {progid + "\\CLSID", progid, independent + "\\CLSID",
                                  independent + "\\CurVer", independent};
    for (const std::string& leaf : leaves) {
        LONG error = DeleteLeaf(HKEY_CLASSES_ROOT, leaf);
        if (error != ERROR_SUCCESS) return FromWin32(error);
    }
    LONG error = DeleteTree(HKEY_CLASSES_ROOT, std::string("CLSID\\") + kAddinClsid);
    if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND) return FromWin32(error);
    return S_OK;
}

}  // namespace addin
