#pragma once
// Exceptions for failed system calls: the code is the thread's last error at the raise.
#include <cstdint>
#include <exception>
#include <string>

#include "base/BASE_Exception.h"

namespace win {

class Error_t : public base::Exception_t {
public:
    // Takes GetLastError() before anything else can make a system call.
    Error_t(const char* file, int line) : Error_t(file, line, LastError()) {}
    Error_t(const char* file, int line, std::uint32_t code)
        : base::Exception_t(file, line, Text(code)), code_(code) {}
    std::uint32_t Code() const noexcept { return code_; }

    // "Windows Error Code: <code>\n" followed by the system's message text for the code.
    static std::string Text(std::uint32_t code);
    static std::uint32_t LastError() noexcept;

private:
    std::uint32_t code_;
};

class FileError_t : public Error_t {
public:
    FileError_t(const char* file, int line) : Error_t(file, line) {}
    FileError_t(const char* file, int line, std::uint32_t code) : Error_t(file, line, code) {}
};

class MappedFileError_t : public Error_t {
public:
    MappedFileError_t(const char* file, int line) : Error_t(file, line) {}
    MappedFileError_t(const char* file, int line, std::uint32_t code) : Error_t(file, line, code) {}
};

// The exception form of a structured exception; this system never raises it,
// the import command's net only catches it.
class StructuredException_t : public std::exception {
public:
    explicit StructuredException_t(std::uint32_t code) : code_(code) {}
    const char* what() const noexcept override { return "Structured exception"; }
    std::uint32_t Code() const noexcept { return code_; }

private:
    std::uint32_t code_;
};

}  // namespace win
