#pragma once
// How every output writes numbers, positions and times as text.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace model {

// Degrees from semicircles (x * 180 / 2^31) in decimal, at most 8 places, trailing zeros cut:
// enough that rounding degrees * 2^31 / 180 gives x back.
std::string_view Degrees(std::int32_t semicircles, char (&buffer)[32]);
// The same written at p (at most 14 characters); returns the end.
char* PutDegrees(char* p, std::int32_t semicircles);
// Degrees as a double, for outputs that take numbers rather than text.
double DegreesOf(std::int64_t semicircles);

// Integers in decimal.
std::string_view Integer(std::int64_t value, char (&buffer)[32]);
std::string_view Unsigned(std::uint64_t value, char (&buffer)[32]);

// The shortest fixed-point text that reads back as the same double (xsd:decimal); only for
// finite values.
std::string_view Decimal(double value, char (&buffer)[400]);

// The shortest text that reads back as the same double, exponents allowed; NaN, INF, -INF.
std::string_view Real(double value, char (&buffer)[400]);

// Neither NaN nor infinite (here, since <cmath> cannot share a file with the journal's
// namespace jnl: glibc declares a function of that name).
bool IsFinite(double value);

// "YYYY-MM-DDThh:mm:ssZ" for seconds since 1970-01-01 00:00 UTC.
std::string_view IsoTime(std::int64_t seconds, char (&buffer)[32]);
// The same written at p (20 characters); returns the end.
char* PutIsoTime(char* p, std::int64_t seconds);

// Bytes as upper-case hex digits, two a byte, written at p; returns the end.
char* PutHex(char* p, const std::uint8_t* bytes, std::size_t count);

}  // namespace model
