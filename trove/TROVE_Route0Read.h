#pragma once
// The route-0 entry as a 0 record holds it.
#include "trove/TROVE_Route0.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

// The route key, then rt0_flag as one byte; target takes both only when both were read.
void ReadRoute0Entry(bin::SpanReader_t& in, Route0Entry_t& target);

}  // namespace trove
