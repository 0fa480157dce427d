#include "tests/host/HOST_AddinManager.h"

#include <cstdio>
#include <cstdlib>

#include "addin/ADDIN_Bstr.h"
#include "win/WIN_RegKey.h"

namespace host {

namespace {

HRESULT FromWin32(LONG error) {
    return error == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(error);
}

LONG OpenList(win::RegKey_t& list) {
    return ::RegCreateKeyExA(HKEY_CURRENT_USER, kAddinListKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                             list.Put(), nullptr);
}

std::string ReadText(HKEY key, const char* value) {
    char text[512] = {};
    DWORD size = sizeof text - 1;
    DWORD type = 0;
    if (::RegQueryValueExA(key, value, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return std::string();
    return text;
}

LONG WriteText(HKEY key, const char* value, const std::string& text) {
    return ::RegSetValueExA(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1));
}

}  // namespace

AddinEntry_t::AddinEntry_t(std::shared_ptr<Recorder_t> recorder, std::string key)
    : Object_t(std::move(recorder)), key_(std::move(key)) {}

HRESULT AddinEntry_t::Remove() {
    HRESULT hr = Record("Remove", {Quote(key_)});
    if (FAILED(hr)) return hr;
    win::RegKey_t list;
    LONG error = OpenList(list);
    if (error == ERROR_SUCCESS) error = ::RegDeleteKeyA(list.Get(), key_.c_str());
    return FromWin32(error);
}

AddinManager_t::AddinManager_t(std::shared_ptr<Recorder_t> recorder) : Object_t(std::move(recorder)) {}

HRESULT AddinManager_t::AddAddin(BSTR clsid, BSTR name, IDesktopAddinEntry** entry) {
    HRESULT hr = Record("AddAddin", {Quote(clsid), Quote(name)});
    if (FAILED(hr)) return hr;
    if (!entry) return E_POINTER;
    *entry = nullptr;
    win::RegKey_t list;
    LONG error = OpenList(list);
    if (error != ERROR_SUCCESS) return FromWin32(error);
    // The next number after the highest one in use.
    unsigned long next = 1;
    char child[MAX_PATH + 1];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof child;
        if (::RegEnumKeyExA(list.Get(), i, child, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        unsigned long number = std::strtoul(child, nullptr, 10);
        if (number >= next) next = number + 1;
    }
    char name_of_key[16];
    std::snprintf(name_of_key, sizeof name_of_key, "%04lu", next);
    win::RegKey_t added;
    error =
        ::RegCreateKeyExA(list.Get(), name_of_key, 0, nullptr, 0, KEY_WRITE, nullptr, added.Put(), nullptr);
    if (error == ERROR_SUCCESS) error = WriteText(added.Get(), "Clsid", addin::BstrToAnsi(clsid));
    if (error == ERROR_SUCCESS) error = WriteText(added.Get(), "Name", addin::BstrToAnsi(name));
    if (error != ERROR_SUCCESS) return FromWin32(error);
    auto made = Make<AddinEntry_t>(Recorder(), name_of_key);
    *entry = made.Get();
    (*entry)->AddRef();
    return hr;
}

HRESULT AddinManager_t::FindAddin(BSTR clsid, IDesktopAddinEntry** entry) {
    HRESULT hr = Record("FindAddin", {Quote(clsid)});
    if (FAILED(hr)) return hr;
    if (!entry) return E_POINTER;
    *entry = nullptr;
    std::string wanted = addin::BstrToAnsi(clsid);
    win::RegKey_t list;
    LONG error = OpenList(list);
    if (error != ERROR_SUCCESS) return FromWin32(error);
    char child[MAX_PATH + 1];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof child;
        if (::RegEnumKeyExA(list.Get(), i, child, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        win::RegKey_t key;
        if (::RegOpenKeyExA(list.Get(), child, 0, KEY_READ, key.Put()) != ERROR_SUCCESS) continue;
        if (::lstrcmpiA(ReadText(key.Get(), "Clsid").c_str(), wanted.c_str()) != 0) continue;
        auto found = Make<AddinEntry_t>(Recorder(), child);
        *entry = found.Get();
        (*entry)->AddRef();
        return hr;
    }
    return hr;
}

}  // namespace host
