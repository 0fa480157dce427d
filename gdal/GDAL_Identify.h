#pragma once
// Whether a file is a data file, from its first bytes: the current layout opens with its
// signature; a legacy file has none and is claimed only by its name and a first record that
// reads as a legacy record.
#include <cstdint>
#include <string_view>

namespace gdal {

enum class Claim_t { None, Current, Legacy };

// first: the file's first bytes (any number); size: the whole file's, when known.
Claim_t ClaimOf(std::string_view name, std::string_view first, std::uint64_t size);

}  // namespace gdal
