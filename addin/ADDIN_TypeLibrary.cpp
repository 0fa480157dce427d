#include "addin/ADDIN_TypeLibrary.h"

#include <ole2.h>

#include "addin/ADDIN_Bstr.h"
#include "addin/ADDIN_ComPtr.h"

namespace addin {

namespace {

HRESULT LoadLibraryOf(const std::string& module_path, ITypeLib** out) {
    std::wstring path = Widen(module_path);
    return ::LoadTypeLibEx(path.c_str(), REGKIND_NONE, out);
}

}  // namespace

HRESULT RegisterTypeLibrary(const std::string& module_path) {
    ComPtr_t<ITypeLib> library;
    HRESULT hr = LoadLibraryOf(module_path, library.Put());
    if (FAILED(hr)) return hr;
    // The help directory is the module's own directory.
    std::wstring path = Widen(module_path);
    std::wstring directory = path.substr(0, path.find_last_of(L"\\/:") + 1);
    return ::RegisterTypeLib(library.Get(), &path[0], directory.empty() ? nullptr : &directory[0]);
}

HRESULT UnregisterTypeLibrary(const std::string& module_path) {
    ComPtr_t<ITypeLib> library;
    HRESULT hr = LoadLibraryOf(module_path, library.Put());
    if (FAILED(hr)) return hr;
    TLIBATTR* attributes = nullptr;
    hr = library->GetLibAttr(&attributes);
    if (FAILED(hr)) return hr;
    TLIBATTR copy = *attributes;
    library->ReleaseTLibAttr(attributes);
    return ::UnRegisterTypeLib(copy.guid, copy.wMajorVerNum, copy.wMinorVerNum, copy.lcid, copy.syskind);
}

}  // namespace addin
