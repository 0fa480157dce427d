#include "gdal/GDAL_Identify.h"

#include <cctype>

namespace gdal {

namespace {

bool EndsWithTbk(std::string_view name) {
    constexpr std::string_view kExtension = ".tbk";
    if (name.size() < kExtension.size()) return false;
    const std::string_view end = name.substr(name.size() - kExtension.size());
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(end[i])) != kExtension[i]) return false;
    return true;
}

}  // namespace

Claim_t ClaimOf(std::string_view name, std::string_view first, std::uint64_t size) {
    if (first.substr(0, 4) == "TbRc") return Claim_t::Current;
    // A legacy record: its letter, a 16-bit payload length, the payload, all inside the file.
    constexpr std::string_view kLetters = "WRTL0V";
    if (!EndsWithTbk(name) || first.size() < 3 || kLetters.find(first[0]) == std::string_view::npos)
        return Claim_t::None;
    const std::uint64_t length =
        static_cast<unsigned char>(first[1]) | std::uint64_t(static_cast<unsigned char>(first[2])) << 8;
    return 3 + length <= size ? Claim_t::Legacy : Claim_t::None;
}

}  // namespace gdal
