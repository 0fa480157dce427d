#pragma once
// The language module "Trovix_LANG.dll": found beside the program, checked for the program's own
// version, loaded once and kept until the process ends.
#include <windows.h>

#include <string>

#include "win/WIN_FileVerInfo.h"

namespace win {

// The version a language module must carry, in all four numbers.
constexpr FileVersion_t kLanguageModuleVersion{2, 2, 1, 0};

// The directory of the loaded "Trovix.dll" (or, when no module of that name is loaded, of the
// process's executable) followed by "Trovix_LANG.dll". Computed once.
const std::string& LanguageModulePath();

// The same, computed afresh on every call.
std::string FindLanguageModulePath();

// The directory part (drive and directory, with its final separator) of a module path, followed
// by "Trovix_LANG.dll".
std::string LanguageModulePathBeside(const std::string& module_path);

// The cached handle of the language module; the first call loads it from LanguageModulePath().
// A failed load raises (and is tried again on the next call).
HINSTANCE LanguageModule();

// Checks the version of the module at path and loads it, without caching. Raises the version
// reader's Error_t, or Error_t "ResourceHandle" 68 for another version, 75 when it cannot be loaded.
HINSTANCE LoadLanguageModule(const std::string& path);

// Loads the module at path as LoadLanguageModule does and makes it the cached language module.
// For programs that run without "Trovix.dll" beside their language module (tests, tools).
HINSTANCE UseLanguageModule(const std::string& path);

}  // namespace win
