#pragma once
// The add-in class's entries under HKEY_CLASSES_ROOT: the two ProgIDs and CLSID\{add-in CLSID}.
#include <windows.h>

#include <string>

namespace addin {

// Writes every entry; CLSID\{add-in CLSID} is first deleted with all its contents when it exists.
// module_path goes to InprocServer32 as it is. Stops at the first failure and returns its HRESULT.
HRESULT RegisterClassKeys(const std::string& module_path);

// Deletes the entries: CLSID\{add-in CLSID} with everything below it, the ProgID keys with their
// known subkeys (a ProgID key that still has other subkeys stays). CLSID itself is never deleted.
// Keys already gone are no failure.
HRESULT UnregisterClassKeys();

}  // namespace addin
