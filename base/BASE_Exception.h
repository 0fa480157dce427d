#pragma once
// The exception family: every failure of this system's own code is one of these,
// carrying the source (file stem) and line of the raise and a text.
#include <cstdint>
#include <exception>
#include <string>

// Each source file is compiled with its own stem as TROVIX_SOURCE (see cmake/TrovixLibrary.cmake).
#ifndef TROVIX_SOURCE
#define TROVIX_SOURCE __FILE__
#endif

namespace base {

class Exception_t : public std::exception {
public:
    Exception_t(const char* file, int line, std::string text = std::string());
    const char* what() const noexcept override;
    const char* File() const noexcept { return file_; }
    int Line() const noexcept { return line_; }

private:
    const char* file_;  // static storage, never owned
    std::int32_t line_;
    std::string text_;
};

class Assert_t : public Exception_t {
public:
    Assert_t(const char* file, int line) : Exception_t(file, line) {}
};

class OutOfRange_t : public Exception_t {
public:
    OutOfRange_t(const char* file, int line) : Exception_t(file, line) {}
};

class InvalidMBCharacter_t : public Exception_t {
public:
    InvalidMBCharacter_t(const char* file, int line) : Exception_t(file, line) {}
};

class LocaleDoesNotExist_t : public Exception_t {
public:
    LocaleDoesNotExist_t(const char* file, int line, const std::string& locale_name)
        : Exception_t(file, line, locale_name) {}
};

}  // namespace base

// Always-active checks; they raise instead of aborting.
#define BASE_ASSERT(cond)                                                  \
    do {                                                                   \
        if (!(cond)) throw ::base::Assert_t(TROVIX_SOURCE, __LINE__);      \
    } while (0)

#define BASE_RANGE_CHECK(cond)                                             \
    do {                                                                   \
        if (!(cond)) throw ::base::OutOfRange_t(TROVIX_SOURCE, __LINE__);  \
    } while (0)
