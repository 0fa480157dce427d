#include "addin/ADDIN_Server.h"

#include <new>
#include <vector>

#include "addin/ADDIN_HostRegistration.h"
#include "addin/ADDIN_Module.h"
#include "addin/ADDIN_Registry.h"
#include "addin/ADDIN_TypeLibrary.h"
#include "win/WIN_Exception.h"

namespace addin {

std::string ModulePath() {
    // A path may be longer than MAX_PATH: grow until it fits.
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        DWORD length =
            ::GetModuleFileNameA(TheModule().Instance(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) throw win::Error_t(TROVIX_SOURCE, __LINE__);
        if (length < buffer.size() - 1) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

HRESULT RegisterServer() noexcept {
    try {
        std::string path = ModulePath();
        HRESULT keys = RegisterClassKeys(path);
        if (FAILED(keys)) return keys;
        HRESULT library = RegisterTypeLibrary(path);
        if (FAILED(library)) return library;
        if (keys == S_OK && library == S_OK) AnnounceToHost();
        return library;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT UnregisterServer() noexcept {
    try {
        std::string path = ModulePath();
        HRESULT keys = UnregisterClassKeys();
        if (FAILED(keys)) return keys;
        HRESULT library = UnregisterTypeLibrary(path);
        if (FAILED(library)) return library;
        if (keys == S_OK && library == S_OK) WithdrawFromHost();
        return library;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

}  // namespace addin
