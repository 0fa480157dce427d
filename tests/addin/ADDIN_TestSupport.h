#pragma once
// Helpers of the add-in tests: paths of the built files, scratch folders, child processes, message
// boxes read and closed from a second thread, and registry reads.
#include <ole2.h>

#include <string>
#include <vector>

#include "addin/ADDIN_ComPtr.h"
#include "addin/ADDIN_Interfaces.h"
#include "tests/host/HOST_DialogWatcher.h"

namespace addin_test {

// A path of the build (a Unix path under wine's drive Z:) as a Windows path.
std::string WinPath(const std::string& unix_path);

// The built files the tests use (from the build's compile definitions).
std::string AddinDll();                 // Trovix.dll, with its language module beside it
std::string LanguageDll();              // Trovix_LANG.dll
std::string WrongVersionLanguageDll();  // a language module of version 2.2.1.1
std::string BareLanguageDll();          // version 2.2.1.0 with string 105 only
std::string ManagerDll();               // the stand-in add-in manager
std::string HostExe();                  // the stand-in host program
std::string LoadModuleExe();            // loads a DLL, says whether that worked

// Trovix.dll loaded into the test program (once, from the build, with the real language module).
struct AddinModule_t {
    HMODULE module;
    HRESULT(STDAPICALLTYPE* get_class_object)(REFCLSID, REFIID, void**);
    HRESULT(STDAPICALLTYPE* can_unload_now)();
    HRESULT(STDAPICALLTYPE* register_server)();
    HRESULT(STDAPICALLTYPE* unregister_server)();
};
const AddinModule_t& Addin();

// A new add-in object from the loaded module's class object.
addin::ComPtr_t<IDesktopAddin> CreateAddin();

// A folder of the test's own, removed with everything in it at the end.
class TempDir_t {
public:
    explicit TempDir_t(const std::string& name);
    ~TempDir_t();
    TempDir_t(const TempDir_t&) = delete;
    TempDir_t& operator=(const TempDir_t&) = delete;

    const std::string& Path() const { return path_; }
    // Copies source into the folder as name; returns the copy's path.
    std::string Copy(const std::string& source, const std::string& name) const;

private:
    std::string path_;
};

struct ProcessResult_t {
    DWORD exit_code;
    std::string output;  // standard output and error
};

// Runs a command line to its end (at most 60 s) and collects its output.
ProcessResult_t Run(const std::string& command_line);

// "regsvr32 /s [/u] path": 0 on success.
DWORD Regsvr32(const std::string& path, bool unregister = false);

// Watches for dialogs of any process while it exists, reads each one and closes it with OK.
using Box_t = host::Box_t;
using BoxWatcher_t = host::DialogWatcher_t;

// Registry reads under HKEY_CLASSES_ROOT or another root.
bool KeyExists(HKEY root, const std::string& path);
// The REG_SZ value (name "" for the default); false when missing or of another type.
bool ReadText(HKEY root, const std::string& path, const std::string& name, std::string& text);
std::vector<std::string> SubKeys(HKEY root, const std::string& path);
void DeleteTree(HKEY root, const std::string& path);

// The text of string id of a loaded module.
std::string LoadText(HMODULE module, UINT id);

// The whole content of a file ("" when missing).
std::string ReadFileText(const std::string& path);

}  // namespace addin_test
