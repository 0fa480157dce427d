// The language module's location, version check and cached handle.
// The version check and the load report their failures under the source name "ResourceHandle".
#include "base/BASE_Exception.h"
#include "win/WIN_Exception.h"
#include "win/WIN_ResourceHandle.h"

namespace win {

namespace {

HINSTANCE cached_module = nullptr;  // never freed: every text of the program lives there

std::string ModuleFileName(HMODULE module) {
    char path[MAX_PATH] = {};
    DWORD n = ::GetModuleFileNameA(module, path, MAX_PATH);
    // A cut path would name another directory.
    if (n == 0 || n >= MAX_PATH) throw Error_t(TROVIX_SOURCE, __LINE__);
    return std::string(path, n);
}

}  // namespace

std::string LanguageModulePathBeside(const std::string& module_path) {
    // Keep the drive and the directory, drop the file name.
    std::string::size_type name = module_path.find_last_of("\\/");
    if (name != std::string::npos) {
        name += 1;
    } else if (module_path.size() >= 2 && module_path[1] == ':') {
        name = 2;
    } else {
        name = 0;
    }
    return module_path.substr(0, name) + "Trovix_LANG.dll";
}

std::string FindLanguageModulePath() {
    // A null handle (no "Trovix.dll" in the process) names the executable.
    return LanguageModulePathBeside(ModuleFileName(::GetModuleHandleA("Trovix.dll")));
}

const std::string& LanguageModulePath() {
    static const std::string path = FindLanguageModulePath();
    return path;
}

HINSTANCE LoadLanguageModule(const std::string& path) {
    if (FileVerInfo_t(path).FileVersion() != kLanguageModuleVersion) {
        throw Error_t("ResourceHandle", 68);
    }
    HINSTANCE module = ::LoadLibraryA(path.c_str());
    if (module == nullptr) {
        throw Error_t("ResourceHandle", 75);
    }
    return module;
}

HINSTANCE LanguageModule() {
    if (cached_module == nullptr) cached_module = LoadLanguageModule(LanguageModulePath());
    if (cached_module == nullptr) throw base::Assert_t("BASE_StringResource", 103);
    return cached_module;
}

HINSTANCE UseLanguageModule(const std::string& path) {
    cached_module = LoadLanguageModule(path);
    return cached_module;
}

}  // namespace win
