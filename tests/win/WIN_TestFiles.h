#pragma once
// Files for the Windows tests: the test program's own directory (where the build puts the test
// language modules) and temporary files removed when the test ends.
#include <windows.h>

#include <string>

namespace wintest {

// The directory of the running test program, with its final backslash.
inline std::string ProgramDirectory() {
    char path[MAX_PATH] = {};
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

// A fresh, empty file in the temporary directory, deleted with this object.
class TempFile_t {
public:
    TempFile_t() {
        char directory[MAX_PATH] = {};
        char name[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, directory);
        ::GetTempFileNameA(directory, "trx", 0, name);
        path_ = name;
    }
    ~TempFile_t() { ::DeleteFileA(path_.c_str()); }
    TempFile_t(const TempFile_t&) = delete;
    TempFile_t& operator=(const TempFile_t&) = delete;

    const std::string& Path() const { return path_; }

    void Write(const std::string& bytes) const {
        HANDLE h = ::CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ::CloseHandle(h);
    }

private:
    std::string path_;
};

}  // namespace wintest
