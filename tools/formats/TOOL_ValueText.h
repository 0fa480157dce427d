#pragma once
// How the formats that write every field as text write a value that is not a text of the file.
#include <string_view>

#include "model/MODEL_Schema.h"

namespace tool {

// Integers in decimal, reals as MODEL_Number's Real, positions in degrees, times as
// "YYYY-MM-DDThh:mm:ssZ", bytes in hex; empty for an absent value or a text.
std::string_view PlainText(const model::Value_t& value, char (&buffer)[400]);

}  // namespace tool
