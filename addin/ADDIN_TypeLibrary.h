#pragma once
// Registration of the type library embedded in the module file as "TYPELIB" 1.
#include <windows.h>

#include <string>

namespace addin {

// Writes TypeLib\{LIBID}\1.0 and the Interface keys of the library's interfaces.
HRESULT RegisterTypeLibrary(const std::string& module_path);

// Removes what RegisterTypeLibrary wrote.
HRESULT UnregisterTypeLibrary(const std::string& module_path);

}  // namespace addin
