#pragma once
// A loaded file is read under its own code page, and the code page is the process's selection:
// every call into a file holds this lock and selects the file's code page for the call, so
// files of different code pages open side by side (or on other threads) read correctly.
#include <mutex>

#include "model/MODEL_CodePageScope.h"

namespace gdal {

// The lock alone: around a file's making and unmaking, which select code pages themselves.
std::mutex& FileLock();

class FileAccess_t {
public:
    explicit FileAccess_t(unsigned code_page) : lock_(FileLock()), scope_(code_page) {}

private:
    std::lock_guard<std::mutex> lock_;
    model::CodePageScope_t scope_;
};

}  // namespace gdal
