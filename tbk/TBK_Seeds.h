#pragma once
// A small set of varied, valid data files: a starting corpus for fuzzing and a quick smoke test
// for readers.
#include <string>
#include <vector>

#include "tbk/TBK_FileBuilder.h"

namespace tbk {

// A file in the given layout holding a bit of everything: waypoints of several id classes and
// with every optional field, a route with link points, a track crossing a 100-point segment
// boundary, maps with and without items, a route-0 entry and a volume record.
// Framing::legacy gives the same content in the legacy layout (data version 0).
FileBuilder_t SampleFile(int data_version, Framing framing = Framing::current);

// Writes the seed files into folder (created when missing) and returns their paths in the
// order written: one sample per data version 100 to 105, a legacy sample, a name clash whose
// route follows the renamed waypoint, maps only, a volume record only.
std::vector<std::string> WriteSeedFiles(const std::string& folder);

}  // namespace tbk
