#pragma once
// Data-file structure faults and key rule violations of the GPS database.
#include <string>

#include "base/BASE_Exception.h"

namespace trove {

class Key_t;

class BadStream_t : public base::Exception_t {
public:
    BadStream_t(const char* file, int line) : base::Exception_t(file, line) {}
};

// The key texts are "<Describe()><suffix>"; Describe is asked for once.
class KeyExists_t : public base::Exception_t {
public:
    KeyExists_t(const Key_t& key, const char* file, int line);
};

class KeyNotFound_t : public base::Exception_t {
public:
    KeyNotFound_t(const Key_t& key, const char* file, int line);
};

class InvalidRoute_t : public base::Exception_t {
public:
    InvalidRoute_t(const Key_t& key, const char* file, int line);
};

}  // namespace trove

// Structural check while reading a data file; the source and line are the check's identity.
#define TROVE_STREAM_CHECK(cond, source, line)                     \
    do {                                                           \
        if (!(cond)) throw ::trove::BadStream_t(source, line);     \
    } while (0)
