#pragma once
// DllRegisterServer and DllUnregisterServer: the class's registry entries, the type library and the
// host's add-in manager.
#include <windows.h>

#include <string>

namespace addin {

// The full path of this module's file.
std::string ModulePath();

// Registry entries, then the type library; only when both succeed with S_OK the add-in is announced to
// the host, whose outcome never changes the result.
HRESULT RegisterServer() noexcept;

// The same in reverse: entries removed, type library unregistered, then the host's entry withdrawn.
HRESULT UnregisterServer() noexcept;

}  // namespace addin
