#include "trove/TROVE_Exception.h"

#include "trove/TROVE_Key.h"

namespace trove {

KeyExists_t::KeyExists_t(const Key_t& key, const char* file, int line)
    : base::Exception_t(file, line, key.Describe() + " already exists.") {}

KeyNotFound_t::KeyNotFound_t(const Key_t& key, const char* file, int line)
    : base::Exception_t(file, line, key.Describe() + " does not exist.") {}

InvalidRoute_t::InvalidRoute_t(const Key_t& key, const char* file, int line)
    : base::Exception_t(file, line, key.Describe() + " is invalid") {}

}  // namespace trove
