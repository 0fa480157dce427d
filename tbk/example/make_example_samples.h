#pragma once
// The sample files beside the example (make_example --samples FOLDER).
#include <string>

// Writes shift-jis.tbk (code page 932), cyrillic.tbk (1251), antimeridian.tbk and damaged.tbk
// into folder. Raises base::Exception_t when a file cannot be written.
void WriteSamples(const std::string& folder);
