#pragma once
// The volume description as a V record holds it.
#include "trove/TROVE_Volume.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

// The text, then volume_flag as one byte; target takes both only when both were read.
void ReadVolume(bin::SpanReader_t& in, Volume_t& target);

}  // namespace trove
