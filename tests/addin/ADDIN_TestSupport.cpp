#include "ADDIN_TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace addin_test {

std::string WinPath(const std::string& unix_path) {
    std::string path = "Z:" + unix_path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string AddinDll() {
    return WinPath(TROVIX_TEST_ADDIN_DLL);
}
std::string LanguageDll() {
    return WinPath(TROVIX_TEST_LANGUAGE_DLL);
}
std::string WrongVersionLanguageDll() {
    return WinPath(TROVIX_TEST_LANGUAGE_2211_DLL);
}
std::string BareLanguageDll() {
    return WinPath(TROVIX_TEST_LANGUAGE_BARE_DLL);
}
std::string ManagerDll() {
    return WinPath(TROVIX_TEST_MANAGER_DLL);
}
std::string HostExe() {
    return WinPath(TROVIX_TEST_HOST_EXE);
}
std::string LoadModuleExe() {
    return WinPath(TROVIX_TEST_LOAD_MODULE_EXE);
}

namespace {

// COM on the test program's main thread, as in a host.
class ComEnvironment_t : public ::testing::Environment {
public:
    void SetUp() override { ::CoInitialize(nullptr); }
    void TearDown() override { ::CoUninitialize(); }
};

const auto* const com_environment = ::testing::AddGlobalTestEnvironment(new ComEnvironment_t);

template <class F>
F Export(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace

const AddinModule_t& Addin() {
    static const AddinModule_t loaded = [] {
        AddinModule_t addin{};
        addin.module = ::LoadLibraryA(AddinDll().c_str());
        if (!addin.module) throw std::runtime_error("cannot load " + AddinDll());
        addin.get_class_object = Export<decltype(addin.get_class_object)>(addin.module, "DllGetClassObject");
        addin.can_unload_now = Export<decltype(addin.can_unload_now)>(addin.module, "DllCanUnloadNow");
        addin.register_server = Export<decltype(addin.register_server)>(addin.module, "DllRegisterServer");
        addin.unregister_server =
            Export<decltype(addin.unregister_server)>(addin.module, "DllUnregisterServer");
        return addin;
    }();
    return loaded;
}

addin::ComPtr_t<IDesktopAddin> CreateAddin() {
    addin::ComPtr_t<IClassFactory> factory;
    addin::ComPtr_t<IDesktopAddin> created;
    if (SUCCEEDED(Addin().get_class_object(CLSID_OrvenAddin, IID_IClassFactory,
                                           reinterpret_cast<void**>(factory.Put()))))
        factory->CreateInstance(nullptr, IID_IDesktopAddin, reinterpret_cast<void**>(created.Put()));
    return created;
}

namespace {

void RemoveAll(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveAll(child);
            } else {
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(path.c_str());
}

}  // namespace

TempDir_t::TempDir_t(const std::string& name) {
    char current[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, current);
    path_ = std::string(current) + "\\scratch\\" + name;
    RemoveAll(path_);
    ::CreateDirectoryA((std::string(current) + "\\scratch").c_str(), nullptr);
    if (!::CreateDirectoryA(path_.c_str(), nullptr)) throw std::runtime_error("cannot create " + path_);
}

TempDir_t::~TempDir_t() {
    RemoveAll(path_);
}

std::string TempDir_t::Copy(const std::string& source, const std::string& name) const {
    std::string target = path_ + "\\" + name;
    if (!::CopyFileA(source.c_str(), target.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + source);
    return target;
}

ProcessResult_t Run(const std::string& command_line) {
    static int counter = 0;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string output_path = std::string(temp) + "trovix_addin_test_" +
                              std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++counter) +
                              ".txt";

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE output = ::CreateFileA(output_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + output_path);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process{};
    std::string line = command_line;
    BOOL started =
        ::CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    ::CloseHandle(output);
    if (!started) throw std::runtime_error("cannot start " + command_line);
    if (::WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 999);
    ProcessResult_t result{};
    ::GetExitCodeProcess(process.hProcess, &result.exit_code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    result.output = ReadFileText(output_path);
    ::DeleteFileA(output_path.c_str());
    return result;
}

DWORD Regsvr32(const std::string& path, bool unregister) {
    return Run(std::string("regsvr32.exe /s ") + (unregister ? "/u " : "") + "\"" + path + "\"").exit_code;
}

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

bool ReadText(HKEY root, const std::string& path, const std::string& name, std::string& text) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    char data[2048] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    LONG error = ::RegQueryValueExA(key, name.empty() ? nullptr : name.c_str(), nullptr, &type,
                                    reinterpret_cast<BYTE*>(data), &size);
    ::RegCloseKey(key);
    if (error != ERROR_SUCCESS || type != REG_SZ) return false;
    text = data;
    return true;
}

std::vector<std::string> SubKeys(HKEY root, const std::string& path) {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    char name[MAX_PATH + 1];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (::RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.push_back(name);
    }
    ::RegCloseKey(key);
    return names;
}

void DeleteTree(HKEY root, const std::string& path) {
    for (const std::string& child : SubKeys(root, path)) DeleteTree(root, path + "\\" + child);
    ::RegDeleteKeyA(root, path.c_str());
}

std::string LoadText(HMODULE module, UINT id) {
    char text[1024] = {};
    int length = ::LoadStringA(module, id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string ReadFileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

}  // namespace addin_test
