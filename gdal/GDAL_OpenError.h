#pragma once
// A data file that cannot be opened, with the reason in a user's words (as the tool says it).
#include <string>

#include "base/BASE_Exception.h"

namespace gdal {

class OpenError_t : public base::Exception_t {
public:
    OpenError_t(const char* file, int line, const std::string& reason)
        : base::Exception_t(file, line, reason) {}
};

}  // namespace gdal
